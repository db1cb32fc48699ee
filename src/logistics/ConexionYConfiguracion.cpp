#include <optional>

#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "logistics/Dll_SYD.h"

namespace tramvel {
namespace {

constexpr int32_t kObjetoNoAsignado = 91;

// The recordset a step opened; a step whose opening failed and was ignored
// leaves none, and VB met that with error 91.
ado::Recordset& Abierto(const std::unique_ptr<ado::Recordset>& recordset) {
  if (!recordset) throw Failure(kObjetoNoAsignado, "Object variable or With block variable not set", "Dll_SYD");
  return *recordset;
}

}  // namespace

std::string Dll_SYD::Cfg(const std::string& QueCampo) {
  std::string resultado;
  std::unique_ptr<ado::Recordset> rs;
  StepRunner pasos([&](const Failure& error) {
    resultado.clear();
    return FromDialogAnswer(Util().ManejarError(error, std::nullopt, "CFG"));
  });
  pasos.Run([&] {
    // The column name goes in as the caller wrote it: callers name columns,
    // never values.
    pasos([&] {
      Sesion().AbrirRecordset("SELECT " + QueCampo + " FROM TA_CONFIGURACION", rs, &Sesion().Conexion(),
                              ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    });
    if (pasos.If([&] { return !Abierto(rs).Bof(); })) {
      pasos([&] { resultado = RecortarBlancos(Utilidades::SinNulo(Abierto(rs).Fields(QueCampo).Value()).ToText()); });
    } else {
      resultado.clear();
    }
    pasos([&] {
      if (Abierto(rs).State() == ado::adStateOpen) rs->Close();
      rs.reset();
    });
  });
  return resultado;
}

void Dll_SYD::OpenADOServer() {
  SesionDatos& sesion = Sesion();
  sesion.BaseDeDatos(gDBName);
  sesion.Servidor(gServidor);
  sesion.Usuario(gUsuario);
  sesion.Password(gUserPassWord);
  sesion.Conectar(false, 3, "", true, true);
}

}  // namespace tramvel
