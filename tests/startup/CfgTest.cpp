#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "SitioEmbebido.h"
#include "SitioGrabado.h"
#include "platform/MessageBoxStyle.h"
#include "startup/Cfg.h"

namespace tramvel::testing {
namespace {

struct Fila {
  std::string clave, valor, valorAux, grupo;
  bool politica = true;
};

Fila LeerFila(SesionDatos& sesion, const std::string& clave) {
  std::unique_ptr<ado::Recordset> rs;
  sesion.AbrirRecordset("SELECT * FROM TA_CONFIGURACION WHERE Clave = " + sesion.ValorSQL(clave), rs, nullptr, 0, 1);
  if (rs->Eof()) return {"(none)", "", "", "", false};
  const auto texto = [&](const char* campo) { return Utilidades::SinNulo(rs->Fields(campo).Value()).ToText(); };
  return {texto("Clave"), texto("Valor"), texto("ValorAux"), texto("Grupo"),
          rs->Fields("PoliticaNegocio").Value().ToBoolean()};
}

TEST(ConfigurationStore, TheTimeOutRowGoesToTheStatisticsDatabaseAndBack) {
  SitioEmbebido sitio;
  sitio.ConectarEstadisticas();
  ProgramState& p = sitio.programa;
  std::string aux = "sin tocar";
  EXPECT_EQ(CfgDW(p, "TimeOut", aux), " ");
  EXPECT_EQ(aux, "");
  EXPECT_EQ(p.gTablaConfiguracion, "TA_CONFIGURACION");

  GrabaCfgDW(p, "TimeOut", ado::Variant(0), "", false, "BaseDeDatos", true);
  SesionDatos& dw = p.SesionEstadisticas();
  Fila fila = LeerFila(dw, "TIMEOUT");
  EXPECT_EQ(fila.clave, "TIMEOUT");
  EXPECT_EQ(fila.valor, "0");
  EXPECT_EQ(fila.grupo, "BaseDeDatos");
  EXPECT_FALSE(fila.politica);
  EXPECT_EQ(CfgDW(p, "timeout", aux), "0");

  // An update keeps the auxiliary value it is not given; a key with a blank
  // before it finds no row as passed, and its new row would repeat TIMEOUT.
  dw.Ejecutar("UPDATE TA_CONFIGURACION SET ValorAux = 'seg' WHERE Clave = 'TIMEOUT'");
  GrabaCfgDW(p, "TIMEOUT", ado::Variant(" 90 "), "", true, "BaseDeDatos", true);
  GrabaCfgDW(p, " TimeOut", ado::Variant("45"), "", false, "BaseDeDatos", true);
  EXPECT_EQ(CfgDW(p, " TimeOut ", aux), "90");
  EXPECT_EQ(aux, "seg");
  EXPECT_TRUE(LeerFila(dw, "TIMEOUT").politica);

  GrabaCfgDW(p, "Nota", ado::Variant(" a b "), " x ", false, "", false);
  EXPECT_EQ(CfgDW(p, "NOTA", aux), " a b ");
  EXPECT_EQ(aux, "x");
  EXPECT_TRUE(sitio.platform.Boxes().empty());
}

TEST(ConfigurationStore, AKeyHoldingAQuoteReadsAndWritesItsOwnRow) {
  SitioEmbebido sitio;
  sitio.ConectarEstadisticas();
  ProgramState& p = sitio.programa;
  std::string aux;
  // The writer names no table of its own: before any lookup it writes nothing.
  GrabaCfgDW(p, "O'Brien", ado::Variant("antes"), "", false, "", true);
  EXPECT_EQ(CfgDW(p, "O'Brien", aux), " ");
  GrabaCfgDW(p, "x' OR '1'='1", ado::Variant("inyectado"), "", false, "", true);
  GrabaCfgDW(p, "O'Brien", ado::Variant("irlandés"), "", false, "", true);
  EXPECT_EQ(CfgDW(p, "o'brien", aux), "irlandés");
  EXPECT_EQ(LeerFila(p.SesionEstadisticas(), "X' OR '1'='1").valor, "inyectado");
  sitio.Configurar("TituloClientes", "Clientes");
  EXPECT_EQ(Cfg(p, "x' OR '1'='1", aux), " ");
  EXPECT_TRUE(sitio.platform.Boxes().empty());
}

TEST(ConfigurationStore, TheQueriesAreTheSuitesWithTheKeysQuotesDoubled) {
  SitioGrabado sitio;
  ProgramState& p = sitio.programa;
  sitio.engine.Answer("SELECT", {{"Valor", "ValorAux"}, {}});
  sitio.Enviado();
  p.SesionEstadisticas().Conectar(false, 3, "", true, false);
  sitio.Enviado();
  std::string aux;
  Cfg(p, " O'Brien ", aux);
  Cfg(p, " [fecha desde] ", aux);
  CfgDW(p, "[Fecha Hasta]", aux);
  GrabaCfgDW(p, " TimeOut", ado::Variant(0), "", false, "BaseDeDatos", true);
  EXPECT_EQ(sitio.Enviado(),
            (std::vector<std::string>{
                "SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'O''Brien'",
                "SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA DESDE]'",
                "SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA HASTA]'",
                "SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = ' TimeOut'",
            }));
}

TEST(ConfigurationStore, MissingKeysAndTheTheme) {
  SitioEmbebido sitio;
  ProgramState& p = sitio.programa;
  sitio.Configurar("Vacio", "");
  sitio.Configurar("THEME", "  ");
  sitio.Configurar("Marca", "Quenvar");
  std::string aux = "antes";
  EXPECT_EQ(Cfg(p, "NoEsta", aux), " ");
  EXPECT_EQ(aux, "");
  EXPECT_EQ(Cfg(p, "Vacio", aux), "");
  EXPECT_EQ(Cfg(p, "Marca", aux), "Quenvar");
  EXPECT_EQ(Cfg(p, "theme", aux), "1");
  EXPECT_EQ(Cfg(p, " THEME", aux), "  ");  // the theme rule reads the key as passed
}

TEST(ConfigurationStore, FailuresAreToldUnderTheRoutinesName) {
  SitioEmbebido sitio(false);
  ProgramState& p = sitio.programa;
  std::string aux = "antes";
  sitio.platform.QueueAnswers({mb::kAbort});
  p.gTablaConfiguracion = "TA_NINGUNA";
  EXPECT_EQ(Cfg(p, "Marca", aux), "");
  ASSERT_EQ(sitio.platform.Boxes().size(), 1u);
  EXPECT_NE(sitio.platform.Boxes()[0].title.find(" - Cfg Aviso al operador!!! "), std::string::npos);
  EXPECT_NE(sitio.platform.Boxes()[0].text.find("Invalid object name 'TA_NINGUNA'"), std::string::npos);

  // The statistics session is not connected: CfgDW asks anyway, and Ignore
  // goes on to the missing row's blank.
  sitio.platform.QueueAnswers({mb::kIgnore, mb::kIgnore});
  EXPECT_EQ(CfgDW(p, "TimeOut", aux), " ");
  ASSERT_EQ(sitio.platform.Boxes().size(), 3u);
  EXPECT_NE(sitio.platform.Boxes()[1].title.find(" - CfgDW Aviso al operador!!! "), std::string::npos);
  EXPECT_NE(ReadFile(sitio.temp.path() / "TEMP" / "DWERR.LOG").find("Rutina: - CfgDW Mensaje"), std::string::npos);

  // Not connected, Cfg reads nothing and tells nothing.
  p.Sesion().Conectado(false);
  EXPECT_EQ(Cfg(p, "Marca", aux), "");
  EXPECT_EQ(sitio.platform.Boxes().size(), 3u);
}

}  // namespace
}  // namespace tramvel::testing
