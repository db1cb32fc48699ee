#include <gtest/gtest.h>

#include "BaseEmbebida.h"
#include "RecordingEngine.h"
#include "common/GActualizarDatoScript.h"
#include "common/GrabarError.h"

namespace tramvel::testing {
namespace {

// A statement list on the embedded database; the error dialog answers what
// the test queues and records its routine names.
class ListaDeSentencias : public ::testing::Test, protected BaseEmbebida {
 protected:
  struct Resultado {
    bool huboError = false;
    int32_t nroError = -1;  // "untouched"
    std::string script = "sin enviar";
    std::string mensaje = "sin mensaje";
  };

  Resultado Correr(const std::vector<std::string>& lineas, bool ignorarDuplicado = false,
                   bool ignorarRestriccion = false, bool mostrar = true) {
    Resultado r;
    GActualizarDatoScript(Entorno(), lineas, r.huboError, r.nroError, ignorarDuplicado, ignorarRestriccion, r.script,
                          r.mensaje, mostrar);
    return r;
  }

  EntornoScript Entorno() {
    return {sesion, equipo, platform, [this](const Failure& error, const std::string& rutina) {
              dialogos.push_back(rutina + ": " + error.Description());
              return 3;
            }};
  }

  std::string Consulta(const std::string& sql, const char* columna) {
    std::unique_ptr<ado::Recordset> rs;
    sesion.AbrirRecordset(sql, rs, nullptr, ado::adOpenStatic, ado::adLockReadOnly);
    std::string filas;
    for (; !rs->Eof(); rs->MoveNext()) filas += rs->Fields(columna).Value().ToText() + ";";
    return filas;
  }

  std::vector<std::string> dialogos;
};

TEST_F(ListaDeSentencias, CommitsTheNonBlankStatementsAsOneScript) {
  const Resultado r =
      Correr({"", "INSERT INTO TA_MENU (Clave) VALUES ('A')", "  ", "INSERT INTO TA_MENU (Clave) VALUES ('B')"});
  EXPECT_EQ(r.script,
            "BEGIN TRANSACTION \r\r\rINSERT INTO TA_MENU (Clave) VALUES ('A')"
            "\rINSERT INTO TA_MENU (Clave) VALUES ('B')\r");
  EXPECT_FALSE(r.huboError);
  EXPECT_EQ(r.nroError, 0);
  EXPECT_EQ(r.mensaje, "sin mensaje");
  EXPECT_EQ(Consulta("SELECT Clave FROM TA_MENU ORDER BY Clave", "Clave"), "A;B;");
  EXPECT_EQ(Consulta("SELECT Id FROM AUX_ERR", "Id"), "");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(ListaDeSentencias, AListOfBlanksSendsNothing) {
  const Resultado r = Correr({"", "   "});
  EXPECT_FALSE(r.huboError);
  EXPECT_EQ(r.nroError, -1);
  EXPECT_EQ(r.script, "sin enviar");
  EXPECT_EQ(r.mensaje, "sin mensaje");
}

TEST_F(ListaDeSentencias, AFailingStatementRollsBackAndIsLoggedAndTold) {
  const Resultado r = Correr({"", "INSERT INTO TA_MENU (Clave) VALUES ('A')", "INSERT INTO NOEXISTE (a) VALUES (1)"});
  const std::string texto = "208 : Invalid object name 'NOEXISTE'.\r\n";
  EXPECT_TRUE(r.huboError);
  EXPECT_EQ(r.nroError, 208);
  EXPECT_EQ(r.mensaje, texto);
  EXPECT_EQ(Consulta("SELECT Clave FROM TA_MENU", "Clave"), "");
  EXPECT_EQ(Consulta("SELECT Proceso FROM AUX_ERR", "Proceso"), "tramvel;");
  EXPECT_EQ(Consulta("SELECT Error FROM AUX_ERR", "Error"), "208;");
  EXPECT_EQ(Consulta("SELECT Descripcion FROM AUX_ERR", "Descripcion"), texto + ";");
  EXPECT_EQ(Consulta("SELECT SQL FROM AUX_ERR", "SQL"), r.script + ";");
  EXPECT_EQ(Consulta("SELECT PC FROM AUX_ERR", "PC"), "SRV;");
  EXPECT_EQ(Consulta("SELECT Usuario FROM AUX_ERR", "Usuario"), "sa;");
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, texto);
  EXPECT_EQ(platform.Operator().Boxes()[0].style, 16);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Aviso al Operador!");
  EXPECT_TRUE(dialogos.empty());
}

TEST_F(ListaDeSentencias, EveryErrorOfTheDatabaseIsReported) {
  sesion.Ejecutar("INSERT INTO TA_MENU (Clave) VALUES ('A')");
  const Resultado r = Correr({"INSERT INTO TA_MENU (Clave) VALUES ('A')", "INSERT INTO NOEXISTE (a) VALUES (1)"});
  const std::string texto =
      "2627 : Violation of PRIMARY KEY constraint 'PK_TA_MENU'. Cannot insert duplicate key in object "
      "'dbo.TA_MENU'.\r\n3621 : The statement has been terminated.\r\n208 : Invalid object name 'NOEXISTE'.\r\n";
  EXPECT_EQ(r.nroError, 2627);
  EXPECT_EQ(r.mensaje, texto);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, texto);
}

TEST_F(ListaDeSentencias, TheIgnoreFlagsMakeTheirFirstErrorAnExpectedOutcome) {
  sesion.Ejecutar("INSERT INTO TA_MENU (Clave) VALUES ('A')");
  const std::vector<std::string> duplicado{"INSERT INTO TA_MENU (Clave) VALUES ('A')"};
  const Resultado esperado = Correr(duplicado, true, false);
  EXPECT_TRUE(esperado.huboError);
  EXPECT_EQ(esperado.nroError, 2627);
  EXPECT_EQ(esperado.mensaje,
            "Violation of PRIMARY KEY constraint 'PK_TA_MENU'. Cannot insert duplicate key in object 'dbo.TA_MENU'.");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_EQ(Consulta("SELECT Descripcion FROM AUX_ERR", "Descripcion"), ";");

  const Resultado otro = Correr(duplicado, false, true);
  EXPECT_EQ(otro.nroError, 2627);
  EXPECT_EQ(otro.mensaje.rfind("2627 : Violation", 0), 0u);
  EXPECT_EQ(platform.Operator().Boxes().size(), 1u);

  const Resultado callado = Correr(duplicado, false, false, false);
  EXPECT_EQ(callado.mensaje, otro.mensaje);
  EXPECT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(Consulta("SELECT Error FROM AUX_ERR", "Error"), "2627;2627;2627;");
}

TEST_F(ListaDeSentencias, AFailureOutsideTheDatabaseGoesToTheErrorDialog) {
  sesion.Conectado(false);
  const Resultado r = Correr({"INSERT INTO TA_MENU (Clave) VALUES ('A')"});
  EXPECT_EQ(r.script, "BEGIN TRANSACTION \r\r\rINSERT INTO TA_MENU (Clave) VALUES ('A')\r");
  ASSERT_EQ(dialogos.size(), 1u);
  EXPECT_EQ(dialogos[0].rfind("GActualizarDatoScript: ", 0), 0u);
  EXPECT_EQ(r.nroError, -1);  // given up before it is set
}

class TablaDeErrores : public ::testing::Test, protected BaseEmbebida {};

TEST_F(TablaDeErrores, WritesTheRowWithTheExecutableNameAndTheMinute) {
  platform.SetNow({2024, 3, 5, 9, 7, 41});
  std::string vacio;
  std::string otro = "OTRO";
  GrabarError(sesion, equipo, platform, "SELECT 1", vacio, 102, std::string(300, 'x'));
  GrabarError(sesion, equipo, platform, "SELECT 2", otro, 103, "d");
  EXPECT_EQ(vacio, "tramvel");
  EXPECT_EQ(otro, "OTRO");
  std::unique_ptr<ado::Recordset> rs;
  sesion.AbrirRecordset("SELECT * FROM AUX_ERR ORDER BY Id", rs, nullptr, ado::adOpenStatic, ado::adLockReadOnly);
  ASSERT_FALSE(rs->Eof());
  EXPECT_EQ(rs->Fields("Proceso").Value().ToText(), "tramvel");
  EXPECT_EQ(rs->Fields("Descripcion").Value().ToText(), std::string(250, 'x'));
  EXPECT_EQ(rs->Fields("SQL").Value().ToText(), "SELECT 1");
  const std::string fecha = rs->Fields("Fecha").Value().ToText();
  rs->MoveNext();
  EXPECT_EQ(rs->Fields("Proceso").Value().ToText(), "tramvel");
  EXPECT_EQ(rs->Fields("Error").Value().ToText(), "103");
  EXPECT_EQ(rs->Fields("Fecha").Value().ToText(), fecha);
}

TEST_F(TablaDeErrores, WithoutTheTableNothingIsWrittenAndNothingTold) {
  sesion.Ejecutar("DROP TABLE AUX_ERR");
  std::string proceso;
  GrabarError(sesion, equipo, platform, "SELECT 1", proceso, 1, "d");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_EQ(proceso, "tramvel");
}

TEST(TablaDeErroresEnElServidor, OpensTheTableWithSqlServersTopAndHint) {
  RecordingEngine engine;
  TempFolder temp;
  TestPlatform platform{temp.str()};
  platform.SetEnv("TRAMVEL_INI", std::nullopt);
  SesionDatos sesion{platform, [&](const ado::ConnectionSettings&) { return engine.Connect(); }};
  InfoEquipo equipo{platform};
  sesion.Conectar(false, 3, "", true, false);
  std::string proceso;
  GrabarError(sesion, equipo, platform, "SELECT 1", proceso, 1, "d");
  EXPECT_EQ(engine.SentStartingWith("select"), std::vector<std::string>{"select  top 1 * from AUX_ERR  with(nolock) "});
}

}  // namespace
}  // namespace tramvel::testing
