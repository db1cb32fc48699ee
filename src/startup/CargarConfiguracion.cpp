#include "startup/CargarConfiguracion.h"

#include <array>
#include <memory>

#include "common/DoblarComillas.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "startup/Cfg.h"
#include "startup/ProgramState.h"

namespace tramvel {
namespace {

// The suite's sales programs, which keep their own number of decimals.
constexpr std::array<const char*, 9> kProgramasDeVenta = {"V_MV_VENTAS",     "FS_V_MV_VENTAS",   "FS_V_MV_VENTASH",
                                                          "FS_V_MV_COMANDA", "FS_V_MV_COMANDAH", "V_MV_VENTASPDV",
                                                          "V_MV_PR",         "V_MV_OT",          "RP_DIFERIDA"};

constexpr int32_t kColorFondoPorDefecto = 16776960;  // &HFFFF00

bool EsProgramaDeVenta(const std::string& nombre) {
  for (const char* programa : kProgramasDeVenta) {
    if (EqualsIgnoreCase(nombre, programa)) return true;
  }
  return false;
}

// The readings of a configuration text, one per kind of setting.
bool Si(const std::string& texto) { return EqualsIgnoreCase(texto, "SI"); }
bool SiRecortado(const std::string& texto) { return Si(RecortarBlancos(texto)); }
bool NoEsNo(const std::string& texto) { return !EqualsIgnoreCase(RecortarBlancos(texto), "NO"); }
Currency Numero(const std::string& texto) {
  Currency valor;
  Utilidades::ValorNumerico(texto, valor);
  return valor;
}

}  // namespace

void CargarConfiguracion(ProgramState& programa, const std::string& RutaPrograma) {
  ConfiguracionSistema& c = programa.Configuracion;
  const auto cfg = [&](const char* clave) {
    std::string valorAux;
    return Cfg(programa, clave, valorAux);
  };
  StepRunner pasos(StepRunner::Ignoring());
  // A key of the NO kind is read twice: once for emptiness, once for "NO"
  // with its blanks kept.
  const auto tipoNo = [&](const char* clave, bool& ajuste) {
    if (pasos.If([&] { return RecortarBlancos(cfg(clave)).empty(); })) {
      pasos([&] { ajuste = false; });
    } else if (pasos.If([&] { return EqualsIgnoreCase(cfg(clave), "NO"); })) {
      pasos([&] { ajuste = false; });
    } else {
      pasos([&] { ajuste = true; });
    }
  };

  pasos.Run([&] {
    pasos([&] { programa.gTablaConfiguracion = "ta_configuracion"; });
    pasos([&] { c.MostrarStockenConsultas = Si(Utilidades::SinNulo(cfg("MostrarStockenConsultas")).ToText()); });
    pasos([&] { c.TituloClientes = RecortarBlancos(cfg("TituloClientes")); });
    pasos([&] { c.TituloProveedores = RecortarBlancos(cfg("TituloProveedores")); });
    pasos([&] { c.gArchivoDocTareas = RutaPrograma + "DWDOCTareas.dwk"; });
    pasos([&] { c.EXIGECLAVECONSULTALIKEARTICULOS = Si(cfg("EXIGECLAVECONSULTALIKEARTICULOS")); });
    pasos([&] { c.UsaConsultaLike = Si(cfg("UsaConsultaLike")); });
    pasos([&] { c.gCantidadDecimales = cfg("CantidadDecimales"); });
    pasos([&] { c.SS_CONFIDENCIALIDAD = Si(cfg("SS_CONFIDENCIALIDAD")); });
    if (pasos.If([&] { return EsProgramaDeVenta(programa.platform().ExecutableName()); })) {
      pasos([&] {
        const std::string decimales = cfg("CantidadDecimalesVentas");
        if (Val(decimales) > 0) c.gCantidadDecimales = decimales;
      });
    }
    pasos([&] { c.UsaMultilesMonedas = Si(cfg("UsaMultilesMonedas")); });
    pasos([&] { c.UsaFacturaProforma = Si(cfg("UsaFacturaProforma")); });
    pasos([&] { c.USACCOSTO = Si(cfg("USACCOSTO")); });
    pasos([&] { c.USA_STK_STOCK_UDKG = Si(cfg("USA_STK_STOCK_UDKG")); });

    // Until a step opens it, the user's result is a closed recordset.
    auto usuario = std::make_unique<ado::Recordset>();
    pasos([&] {
      programa.Sesion().AbrirRecordset(
          "Select * from ta_usuarios  with(nolock)  where Nombre = '" + DoblarComillas(programa.gUsuarioLogeado) + "'",
          usuario, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    });
    if (pasos.If([&] { return !usuario->Bof(); })) {
      pasos([&] { c.gUNegocio = Utilidades::SinNulo(usuario->Fields("UNegocio").Value()).ToText(); });
      if (pasos.If([&] { return c.UsaFacturaProforma; })) {
        pasos([&] { c.UsaFacturaProforma = usuario->Fields("VerProforma").Value().ToBoolean(); });
      }
    }
    if (pasos.If([&] { return EqualsIgnoreCase(c.gUNegocio, ""); })) pasos([&] { c.gUNegocio = "   1"; });

    pasos([&] { c.UNIDADDEMEDIDA_M3 = RecortarBlancos(cfg("UNIDADDEMEDIDA_M3")); });
    pasos([&] { c.UNIDADDEMEDIDA_BL = RecortarBlancos(cfg("UNIDADDEMEDIDA_BL")); });
    pasos([&] { c.UNIDADDEMEDIDA_KG = RecortarBlancos(cfg("UNIDADDEMEDIDA_KG")); });
    pasos([&] { c.PERIODO = CInt(Val(cfg("PERIODO"))); });
    pasos([&] { c.RazonSocialPorUneg = SiRecortado(cfg("RazonSocialPorUneg")); });
    pasos([&] { c.VALIDACODIGOBARRA = SiRecortado(cfg("VALIDACODIGOBARRA")); });

    pasos([&] { programa.gColorFondo = CLng(Numero(cfg("CFondo")).ToDouble()); });
    pasos([&] { programa.gColorLetra = CLng(Numero(cfg("CLetra")).ToDouble()); });
    if (pasos.If([&] { return programa.gColorFondo == 0; }))
      pasos([&] { programa.gColorFondo = kColorFondoPorDefecto; });

    pasos([&] { c.ModuloOrdenDeTrabajo = NoEsNo(cfg("ModuloOrdenDeTrabajo")); });
    tipoNo("V_ModificaCPrecio", c.V_ModificaCPrecio);
    tipoNo("C_ModificaCPrecio", c.C_ModificaCPrecio);
    tipoNo("MADERERA", c.MADERERA);
    const std::array<std::pair<const char*, std::string*>, 9> textos = {{
        {"MAD_TIRAS", &c.MAD_TIRAS},
        {"MAD_P2", &c.MAD_P2},
        {"MAD_ML", &c.MAD_ML},
        {"MAD_M2", &c.MAD_M2},
        {"MAD_HOJAS", &c.MAD_HOJAS},
        {"MAD_ML_P2", &c.MAD_ML_P2},
        {"MAD_M2_P2", &c.MAD_M2_P2},
        {"MAD_ML_M2", &c.MAD_ML_M2},
        {"CuentaCtroDist", &c.CuentaCtroDist},
    }};
    for (const auto& [clave, ajuste] : textos) pasos([&] { *ajuste = RecortarBlancos(cfg(clave)); });
    pasos([&] { c.MaxDto = Numero(RecortarBlancos(cfg("MaxDto"))); });
    pasos([&] { c.MaxDtoProforma = Numero(RecortarBlancos(cfg("MaxDtoProforma"))); });
    tipoNo("PideClave_StockNeg", c.PideClave_StockNeg);
    tipoNo("PideClave_MarkUpBase", c.PideClave_MarkUpBase);
    tipoNo("PideClave_LimiteCredito", c.PideClave_LimiteCredito);
    pasos([&] { c.SS_BloqueoActivo = Si(cfg("SS_BloqueoActivo")); });
    pasos([&] { c.UTILIZARFECHADIA = Si(cfg("UTILIZARFECHADIA")); });
    pasos([&] { c.AsignacionAutomaticaDeLoteING = Si(cfg("AsignacionAutomaticaDeLoteING")); });

    pasos([&] { c.CONDIVAEMPRESA = CInt(Val(cfg("CONDIVAEMPRESA"))); });
    if (pasos.If([&] { return c.CONDIVAEMPRESA == 0; })) {
      pasos([&] { c.CONDIVAEMPRESA = CInt(Val(cfg("CONDIVA"))); });
      if (pasos.If([&] { return c.CONDIVAEMPRESA == 0; })) pasos([&] { c.CONDIVAEMPRESA = 1; });
    }
    pasos([&] { c.Top_Default = cfg("Top_Default"); });
    if (pasos.If([&] { return RecortarBlancos(c.Top_Default).empty(); })) pasos([&] { c.Top_Default = "1000"; });
  });
}

}  // namespace tramvel
