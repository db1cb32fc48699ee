#include "startup/Cfg.h"

#include <memory>

#include "common/DoblarComillas.h"
#include "common/MostrarError.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "platform/MessageBoxStyle.h"
#include "platform/TextCase.h"
#include "startup/ProgramState.h"

namespace tramvel {
namespace {

std::string ConsultaDeClave(const std::string& columnas, const std::string& tabla, const std::string& clave) {
  return "SELECT " + columnas + " FROM " + tabla + " with(nolock)  WHERE CLAVE = '" + DoblarComillas(clave) + "'";
}

std::string LeerClave(ProgramState& programa, SesionDatos& sesion, const std::string& Clave, std::string& ValorAux,
                      const std::string& rutina) {
  std::string valor;
  // Until a step opens it, the result is a closed recordset: using it fails
  // as a closed one does.
  auto rs = std::make_unique<ado::Recordset>();
  StepRunner pasos([&](const Failure& error) {
    const int respuesta = MostrarError(programa.platform(), error, std::nullopt, rutina);
    return respuesta == mb::kIgnore ? OnFailure::kIgnore : OnFailure::kGiveUp;
  });
  const bool completo = pasos.Run([&] {
    std::string sql;
    pasos([&] {
      if (RecortarBlancos(programa.gTablaConfiguracion).empty()) programa.gTablaConfiguracion = "TA_CONFIGURACION";
    });
    pasos([&] {
      const std::string clave = RecortarBlancos(Clave);
      sql = ConsultaDeClave("VALOR, valoraux", programa.gTablaConfiguracion, clave);
      if (EqualsIgnoreCase(clave, "[FECHA HASTA]") || EqualsIgnoreCase(clave, "[FECHA DESDE]")) sql = ToUpper(sql);
    });
    pasos([&] { sesion.AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true); });
    if (pasos.If([&] { return rs->Eof(); })) {
      pasos([&] {
        valor = " ";
        ValorAux.clear();
      });
    } else {
      pasos([&] { valor = Utilidades::SinNulo(rs->Fields("Valor").Value()).ToText(); });
      pasos([&] { ValorAux = Utilidades::SinNulo(rs->Fields("ValorAux").Value()).ToText(); });
    }
    pasos([&] { sesion.CerrarRecordset(rs); });
    if (EqualsIgnoreCase(Clave, "THEME") && RecortarBlancos(valor).empty()) valor = "1";
  });
  if (completo) return valor;
  sesion.CerrarRecordset(rs);
  return {};
}

}  // namespace

std::string Cfg(ProgramState& programa, const std::string& Clave, std::string& ValorAux) {
  SesionDatos& sesion = programa.Sesion();
  if (!sesion.Conectado()) return {};
  return LeerClave(programa, sesion, Clave, ValorAux, "Cfg");
}

std::string CfgDW(ProgramState& programa, const std::string& Clave, std::string& ValorAux) {
  return LeerClave(programa, programa.SesionEstadisticas(), Clave, ValorAux, "CfgDW");
}

void GrabaCfgDW(ProgramState& programa, const std::string& Clave, const ado::Variant& Valor,
                const std::string& ValorAux, bool PoliticaNegocio, const std::string& Grupo, bool RecortarValor) {
  SesionDatos& sesion = programa.SesionEstadisticas();
  auto rs = std::make_unique<ado::Recordset>();
  StepRunner pasos(StepRunner::Ignoring());
  pasos.Run([&] {
    pasos([&] {
      sesion.AbrirRecordset(ConsultaDeClave("*", programa.gTablaConfiguracion, Clave), rs, &sesion.Conexion(),
                            ado::adOpenDynamic, ado::adLockOptimistic, -1, true);
    });
    if (pasos.If([&] { return rs->Eof(); })) pasos([&] { rs->AddNew(); });
    pasos([&] { rs->Fields("Grupo").SetValue(Utilidades::SinNulo(Grupo)); });
    pasos([&] { rs->Fields("Clave").SetValue(Utilidades::SinNulo(ToUpper(RecortarBlancos(Clave)))); });
    pasos([&] {
      const ado::Variant valor = RecortarValor ? ado::Variant(RecortarBlancos(Valor.ToText())) : Valor;
      rs->Fields("Valor").SetValue(Utilidades::SinNulo(valor));
    });
    pasos([&] { rs->Fields("PoliticaNegocio").SetValue(Utilidades::SinNulo(PoliticaNegocio)); });
    if (!ValorAux.empty()) pasos([&] { rs->Fields("ValorAux").SetValue(RecortarBlancos(ValorAux)); });
    pasos([&] { rs->Update(); });
    pasos([&] { sesion.CerrarRecordset(rs); });
  });
}

}  // namespace tramvel
