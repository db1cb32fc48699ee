#include <fmt/format.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "SitioEmbebido.h"
#include "SitioGrabado.h"
#include "startup/CargarConfiguracion.h"

namespace tramvel::testing {
namespace {

std::string Bool(bool valor) { return valor ? "true" : "false"; }

TEST(CargarConfiguracion, AnEmptyConfigurationTableGivesEachKindsEmptyValue) {
  SitioEmbebido sitio;
  ProgramState& p = sitio.programa;
  CargarConfiguracion(p, "C:\\TRAMVEL\\");
  const ConfiguracionSistema& c = p.Configuracion;
  EXPECT_EQ(p.gTablaConfiguracion, "ta_configuracion");
  EXPECT_EQ(c.gArchivoDocTareas, "C:\\TRAMVEL\\DWDOCTareas.dwk");
  for (const bool si :
       {c.MostrarStockenConsultas, c.EXIGECLAVECONSULTALIKEARTICULOS, c.UsaConsultaLike, c.SS_CONFIDENCIALIDAD,
        c.UsaMultilesMonedas, c.UsaFacturaProforma, c.USACCOSTO, c.USA_STK_STOCK_UDKG, c.RazonSocialPorUneg,
        c.VALIDACODIGOBARRA, c.V_ModificaCPrecio, c.C_ModificaCPrecio, c.MADERERA, c.PideClave_StockNeg,
        c.PideClave_MarkUpBase, c.PideClave_LimiteCredito, c.SS_BloqueoActivo, c.UTILIZARFECHADIA,
        c.AsignacionAutomaticaDeLoteING}) {
    EXPECT_FALSE(si);
  }
  EXPECT_TRUE(c.ModuloOrdenDeTrabajo);
  for (const std::string& texto : {c.TituloClientes, c.TituloProveedores, c.UNIDADDEMEDIDA_M3, c.UNIDADDEMEDIDA_BL,
                                   c.UNIDADDEMEDIDA_KG, c.MAD_TIRAS, c.MAD_P2, c.MAD_ML, c.MAD_M2, c.MAD_HOJAS,
                                   c.MAD_ML_P2, c.MAD_M2_P2, c.MAD_ML_M2, c.CuentaCtroDist}) {
    EXPECT_EQ(texto, "");
  }
  EXPECT_EQ(c.gCantidadDecimales, " ");  // a missing key reads as one blank, kept raw
  EXPECT_EQ(c.PERIODO, 0);
  EXPECT_EQ(p.gColorFondo, 16776960);
  EXPECT_EQ(p.gColorLetra, 0);
  EXPECT_EQ(c.MaxDto, Currency());
  EXPECT_EQ(c.MaxDtoProforma, Currency());
  EXPECT_EQ(c.CONDIVAEMPRESA, 1);
  EXPECT_EQ(c.Top_Default, "1000");
  EXPECT_EQ(c.gUNegocio, "   1");
  EXPECT_TRUE(sitio.platform.Boxes().empty());
}

TEST(CargarConfiguracion, EachKindReadsItsKeyAsTheSuiteDoes) {
  using Lectura = std::function<std::string(const ProgramState&)>;
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> claves;
    Lectura lectura;
    const char* esperado;
    const char* usuario = "ana";
    const char* ejecutable = "tramvel";
  };
  const auto periodo = [](const ProgramState& p) { return std::to_string(p.Configuracion.PERIODO); };
  const auto precio = [](const ProgramState& p) { return Bool(p.Configuracion.V_ModificaCPrecio); };
  const auto proforma = [](const ProgramState& p) { return Bool(p.Configuracion.UsaFacturaProforma); };
  const auto unegocio = [](const ProgramState& p) { return p.Configuracion.gUNegocio; };
  const auto decimales = [](const ProgramState& p) { return p.Configuracion.gCantidadDecimales; };
  const std::vector<Case> cases = {
      {"condiva",
       {{"CONDIVAEMPRESA", ""}, {"CONDIVA", "3"}},
       [](const ProgramState& p) { return std::to_string(p.Configuracion.CONDIVAEMPRESA); },
       "3"},
      {"noConBlanco", {{"V_ModificaCPrecio", " NO"}}, precio, "true"},
      {"noMinusculas", {{"V_ModificaCPrecio", "no"}}, precio, "false"},
      {"noSi", {{"V_ModificaCPrecio", "SI"}}, precio, "true"},
      {"ordenNo",
       {{"ModuloOrdenDeTrabajo", " no "}},
       [](const ProgramState& p) { return Bool(p.Configuracion.ModuloOrdenDeTrabajo); },
       "false"},
      {"siConBlanco",
       {{"MostrarStockenConsultas", " SI"}},
       [](const ProgramState& p) { return Bool(p.Configuracion.MostrarStockenConsultas); },
       "false"},
      {"siRecortado",
       {{"RazonSocialPorUneg", " si "}},
       [](const ProgramState& p) { return Bool(p.Configuracion.RazonSocialPorUneg); },
       "true"},
      {"proformaDelUsuario", {{"UsaFacturaProforma", "si"}}, proforma, "false"},
      {"proformaSinUsuario", {{"UsaFacturaProforma", "si"}}, proforma, "true", "nadie"},
      {"proformaNula", {{"UsaFacturaProforma", "si"}}, proforma, "true", "nulo"},
      {"unegocioSinUsuario", {}, unegocio, "   1", "nadie"},
      {"unegocioDelUsuario", {}, unegocio, "  7"},
      {"usuarioConComilla", {}, unegocio, "  9", "O'Brien"},
      {"periodoDosYMedio", {{"PERIODO", "2.5"}}, periodo, "2"},
      {"periodoTresYMedio", {{"PERIODO", " 3.5 meses"}}, periodo, "4"},
      {"periodoDesborda", {{"PERIODO", "40000"}}, periodo, "0"},
      {"decimalesOtroPrograma", {{"CantidadDecimales", "2"}, {"CantidadDecimalesVentas", "4"}}, decimales, "2"},
      {"decimalesVentas",
       {{"CantidadDecimales", "2"}, {"CantidadDecimalesVentas", "4"}},
       decimales,
       "4",
       "ana",
       "v_mv_ventas"},
      {"decimalesVentasCero",
       {{"CantidadDecimales", "2"}, {"CantidadDecimalesVentas", "0"}},
       decimales,
       "2",
       "ana",
       "V_MV_VENTAS"},
      {"colores",
       {{"CFondo", "255.5"}, {"CLetra", "65280"}},
       [](const ProgramState& p) { return fmt::format("{} {}", p.gColorFondo, p.gColorLetra); },
       "256 65280"},
      {"maxDto",
       {{"MaxDto", " 12.5 "}},
       [](const ProgramState& p) { return fmt::format("{}", p.Configuracion.MaxDto.ToDouble()); },
       "12.5"},
      {"topDefault",
       {{"Top_Default", " 50"}},
       [](const ProgramState& p) { return p.Configuracion.Top_Default; },
       " 50"},
  };
  SitioEmbebido sitio;
  ProgramState& p = sitio.programa;
  p.Sesion().Ejecutar(
      "INSERT INTO ta_usuarios (Nombre, UNegocio, VerProforma) VALUES ('ana', '  7', 0)\n"
      "INSERT INTO ta_usuarios (Nombre, UNegocio, VerProforma) VALUES ('O''Brien', '  9', 1)\n"
      "INSERT INTO ta_usuarios (Nombre, UNegocio, VerProforma) VALUES ('nulo', NULL, NULL)");
  for (const Case& c : cases) {
    p.Sesion().Ejecutar("DELETE FROM TA_CONFIGURACION");
    for (const auto& [clave, valor] : c.claves) sitio.Configurar(clave, valor);
    p.Configuracion = {};
    p.gUsuarioLogeado = c.usuario;
    sitio.platform.ejecutable = c.ejecutable;
    CargarConfiguracion(p, "C:\\TRAMVEL\\");
    EXPECT_EQ(c.lectura(p), c.esperado) << c.name;
  }
  EXPECT_TRUE(sitio.platform.Boxes().empty());
}

TEST(CargarConfiguracion, TheUsersQueryDoublesTheQuotesOfTheName) {
  SitioGrabado sitio;
  sitio.engine.Answer("SELECT", {{"Valor", "ValorAux"}, {}});
  sitio.engine.Answer("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'MADERERA'",
                      {{"Valor", "ValorAux"}, {{ado::Variant("NO"), ado::Variant("")}}});
  sitio.programa.gUsuarioLogeado = "x' OR '1'='1";
  CargarConfiguracion(sitio.programa, "C:\\TRAMVEL\\");
  EXPECT_EQ(sitio.engine.SentStartingWith("Select * from ta_usuarios"),
            std::vector<std::string>{"Select * from ta_usuarios  with(nolock)  where Nombre = 'x'' OR ''1''=''1'"});
  // The sales programs' own decimals are not even asked for here; a key of
  // the NO kind that is not empty is asked for twice.
  EXPECT_EQ(sitio.engine
                .SentStartingWith("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = "
                                  "'CantidadDecimalesVentas'")
                .size(),
            0u);
  EXPECT_EQ(sitio.engine
                .SentStartingWith("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = "
                                  "'MADERERA'")
                .size(),
            2u);
  EXPECT_FALSE(sitio.programa.Configuracion.MADERERA);
}

}  // namespace
}  // namespace tramvel::testing
