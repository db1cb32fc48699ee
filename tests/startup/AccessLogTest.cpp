#include <gtest/gtest.h>

#include "BaseEmbebida.h"
#include "RecordingEngine.h"
#include "startup/ProgramState.h"
#include "startup/RegistrarAcceso.h"

namespace tramvel::testing {
namespace {

// The main session of the program on the embedded database, with the task
// of user "sa" for the program V_MV_VENTAS.
class Acceso : public ::testing::Test {
 protected:
  Acceso() {
    PrepararServidor(platform, temp, "sqlite");
    Conectar(programa.Sesion());
    programa.Sesion().Ejecutar(
        "INSERT INTO TA_MENU (Clave, Nombre, Proceso) VALUES ('M1', 'Ventas del dia', 'RO000VU;V_MV_VENTAS')\n"
        // The query compares the user with a blank after it, which the
        // engine ignores as SQL Server does.
        "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('sa', 'M1')");
  }

  // The columns of the access rows, one "|"-joined line per row.
  std::vector<std::string> Filas() {
    std::unique_ptr<ado::Recordset> rs;
    programa.Sesion().AbrirRecordset("SELECT * FROM Control_Acceso ORDER BY Id", rs, nullptr, ado::adOpenStatic,
                                     ado::adLockReadOnly);
    std::vector<std::string> filas;
    for (; !rs->Eof(); rs->MoveNext()) {
      std::string fila;
      for (const char* columna : {"Maquina", "Usuario", "Formulario", "Tarea", "NombreUsuario"}) {
        fila += rs->Fields(columna).Value().ToText() + "|";
      }
      filas.push_back(fila);
    }
    return filas;
  }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  ProgramState programa{platform};
};

TEST_F(Acceso, TheFormNameDecidesTheRecordedNameAndTheTask) {
  struct Caso {
    const char* formulario;
    const char* fila;
  } const casos[] = {
      {"", "SRV|SA|TRAMVEL||sa|"},                                  // this program; no task, not a supervisor
      {"fs_v_mv_ventas", "SRV|SA|V_MV_VENTAS|VENTAS DEL DIA|sa|"},  // mapped, then found
      {"TIMERLIQUIDACION", "SRV|SA|TIMERLIQUIDACION||sa|"},         // skipped even though the menu would match
      {"O'Brien", "SRV|SA|OBRIEN||sa|"},                            // the quote goes from the row
  };
  programa.Sesion().Ejecutar("UPDATE TA_MENU SET Proceso = 'TIMERLIQUIDACION;V_MV_VENTAS'");
  std::vector<std::string> esperadas;
  for (const Caso& caso : casos) {
    RegistrarAcceso(programa, caso.formulario);
    esperadas.push_back(caso.fila);
  }
  EXPECT_EQ(Filas(), esperadas);
  EXPECT_EQ(programa.gUsuarioLogeado, "sa");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(Acceso, WithoutATaskTheProgramNameServesWhenTheUserIsTheDatabaseOrTheSupervisor) {
  for (const char* usuario : {"gestion", "Supervisor Dorwind MC", "otro"}) {
    programa.Sesion().Usuario(usuario);
    RegistrarAcceso(programa, "");
  }
  const std::vector<std::string> esperadas{"SRV|GESTION|TRAMVEL|TRAMVEL|gestion|",
                                           "SRV|SUPERVISOR DORWIND MC|TRAMVEL|TRAMVEL|Supervisor Dorwind MC|",
                                           "SRV|OTRO|TRAMVEL||otro|"};
  EXPECT_EQ(Filas(), esperadas);
}

TEST_F(Acceso, TheIdComesFromTheFirstRowBeforeTheInsert) {
  programa.gIdAcceso = 77;
  RegistrarAcceso(programa, "");  // an empty table: no Id to read
  EXPECT_EQ(programa.gIdAcceso, 77);
  RegistrarAcceso(programa, "");
  EXPECT_EQ(programa.gIdAcceso, 1);
  EXPECT_EQ(Filas().size(), 2u);
}

TEST_F(Acceso, TheTimeOfEntryIsWrittenToTheMinute) {
  platform.SetNow({2024, 3, 5, 9, 7, 41});
  RegistrarAcceso(programa, "");
  std::unique_ptr<ado::Recordset> rs;
  programa.Sesion().AbrirRecordset("SELECT Ingreso FROM Control_Acceso", rs, nullptr, 0, 1);
  EXPECT_EQ(rs->Fields("Ingreso").Value().ToDate(), (DateTime{2024, 3, 5, 9, 7, 0}));
}

TEST(ConsultaDeTareas, QuotesAreDoubledAndTheBlankBeforeTheUsersQuoteStays) {
  EXPECT_EQ(ConsultaDeTareas("d'Ana", "V_MV_VENTAS"),
            "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre "
            " FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave "
            " WHERE (TA_TAREAS.USUARIO = 'd''Ana ') AND (TA_MENU.Proceso LIKE '%V_MV_VENTAS%')");
}

TEST_F(Acceso, AUserWithAQuoteStillFindsTheTask) {
  programa.Sesion().Ejecutar("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('d''Ana', 'M1')");
  programa.Sesion().Usuario("d'Ana");
  RegistrarAcceso(programa, "V_MV_VENTAS");
  // The row's values lose their quotes, as every value of the builder does.
  EXPECT_EQ(Filas(), std::vector<std::string>{"SRV|DANA|V_MV_VENTAS|VENTAS DEL DIA|dAna|"});
}

TEST_F(Acceso, AFailedInsertIsToldAndLogged) {
  programa.Sesion().Ejecutar("DROP TABLE Control_Acceso");
  RegistrarAcceso(programa, "");
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, "208 : Invalid object name 'Control_Acceso'.\r\n");
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Aviso al Operador!");
}

// The exact SQL of one access, on a server that answers the task query and
// the TOP 1 query.
TEST(AccesoEnElServidor, SendsTheTaskQueryTheTopQueryAndTheInsertAsOneTransaction) {
  RecordingEngine engine;
  TempFolder temp;
  TestPlatform platform{temp.str()};
  platform.SetEnv("TRAMVEL_INI", std::nullopt);
  ProgramState programa{platform, [&](const ado::ConnectionSettings&) { return engine.Connect(); }};
  engine.Answer("SELECT TA_TAREAS",
                {{"USUARIO", "Proceso", "Clave", "Nombre"}, {{"ana", "V_MV_VENTAS", "M1", "Ventas"}}});
  engine.Answer("Select TOP 1", {{"Id"}, {{41}}});
  programa.Sesion().Usuario("ana");
  programa.Sesion().BaseDeDatos("DEMO");
  programa.Sesion().Conectar(false, 3, "", true, true);
  ASSERT_TRUE(programa.Sesion().Conectado());
  const std::size_t antes = engine.Sent().size();

  RegistrarAcceso(programa, "FS_V_MV_VENTASh");

  const std::vector<std::string> enviadas(engine.Sent().begin() + static_cast<std::ptrdiff_t>(antes),
                                          engine.Sent().end());
  EXPECT_EQ(enviadas, (std::vector<std::string>{ConsultaDeTareas("ana", "V_MV_VENTAS"),
                                                "Select TOP 1 * from Control_Acceso  with(nolock) ",
                                                "BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso "
                                                "(Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES "
                                                "('SRV','ANA','V_MV_VENTAS','VENTAS','06/05/14 18:37','ana')\r",
                                                "COMMIT TRANSACTION"}));
  EXPECT_EQ(programa.gIdAcceso, 41);
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

}  // namespace
}  // namespace tramvel::testing
