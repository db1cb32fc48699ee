#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "ado/Connection.h"
#include "ado/SessionLock.h"
#include "ado/sqlite/SqliteEngine.h"
#include "upgrade/CatalogoEsquema.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kConfirmacion =
    "Este proceso actualizará su base de datos\r\n"
    "Es muy recomendable hacer un backup de la base antes de continuar... \r\n"
    "Desea actualizar la base de datos ahora???";

// An embedded database LOCAL/GESTION made by the base schema, whose every
// schema date write a trigger records in FECHAS. The program folder holds
// every script of the catalogue, empty, so that only the driver is at work.
class VerificaCamposTest : public ::testing::Test {
 protected:
  VerificaCamposTest() {
    platform.SetProgramFolder((temp.path() / "PROGRAMA").string());
    platform.SetEnv("TRAMVEL_INI", std::nullopt);
    platform.SetEnv("TEMP", (temp.path() / "tmp").string());
    fs::create_directories(temp.path() / "tmp");
    fs::create_directories(temp.path() / "PROGRAMA");
    WriteFile(temp.path() / "PROGRAMA" / "RO000vu.INI", "[BaseDeDatos]\nMotor=SQLITE\nCarpeta=C:\\DATOS\\\n");
    ado::CreateSqliteDatabase(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
    dll.gServidor = "LOCAL";
    dll.gDBName = "GESTION";
    dll.OpenADOServer();
    EXPECT_TRUE(dll.VerVistas((fs::path(TRAMVEL_SQL_DIR) / "COMPLETO.SQL").string()));
    const auto vacios = [&](std::span<const Accion> acciones) {
      for (const Accion& accion : acciones) {
        if (accion.tipo == TipoAccion::kScript || accion.tipo == TipoAccion::kScriptEnEspera) {
          WriteFile(temp.path() / "PROGRAMA" / std::string(accion.texto), "");
        }
      }
    };
    vacios(PreparacionFechaDeEsquema());
    vacios(PreparacionClaves());
    for (const BloqueAnterior& bloque : BloquesAnteriores()) vacios(bloque.acciones);
    for (const PasoFechado& paso : PasosFechados()) vacios(paso.acciones);
    db = ado::OpenSqliteConnection(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
    db->Execute("CREATE TABLE FECHAS (n INTEGER PRIMARY KEY AUTOINCREMENT, f DATETIME)");
    db->Execute(
        "CREATE TRIGGER escritas AFTER UPDATE OF FHUPDATE ON TA_CONFIGURACION "
        "BEGIN INSERT INTO FECHAS (f) VALUES (NEW.FHUPDATE); END");
  }

  void Fecha(const std::string& fecha) { db->Execute("UPDATE TA_CONFIGURACION SET FHUPDATE = " + fecha); }

  std::string Fecha() {
    const ado::Variant valor = db->Execute("SELECT FHUPDATE FROM TA_CONFIGURACION")->Fields(0).Value();
    return valor.IsNull() ? "Null" : ado::FormatDateText(valor.ToDate());
  }

  // The schema dates written since the test set its own.
  std::vector<std::string> Escritas() {
    std::vector<std::string> fechas;
    auto rows = db->Execute("SELECT f FROM FECHAS ORDER BY n");
    for (; rows && !rows->Eof(); rows->MoveNext())
      fechas.push_back(ado::FormatDateText(rows->Fields(0).Value().ToDate()));
    return fechas;
  }

  void Desde(const std::string& fecha) {
    Fecha(fecha);
    db->Execute("DELETE FROM FECHAS");
  }

  bool Existe(const char* tabla, const char* campo) { return db->ColumnExists(tabla, campo); }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  Dll_SYD dll{platform};
  std::unique_ptr<ado::Connection> db;
};

TEST_F(VerificaCamposTest, AtTheFinalKeyNothingChanges) {
  Desde("'08/10/2013'");
  platform.Operator().SetMousePointer(MousePointer::kHourglass);
  dll.VerificaCampos();
  EXPECT_TRUE(Escritas().empty());
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_EQ(platform.Operator().Pointer(), MousePointer::kDefault);
  EXPECT_TRUE(Existe("MV_RUTEO", "M3"));  // added at every call
}

TEST_F(VerificaCamposTest, FromALateStepEveryStepRunsWithoutAQuestion) {
  Desde("'20/11/2007'");
  dll.VerificaCampos();
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  const std::vector<std::string> escritas = Escritas();
  ASSERT_EQ(escritas.size(), 59u);
  EXPECT_EQ(escritas.front(), "05/12/2007");
  EXPECT_EQ(escritas.back(), "08/10/2013");
  EXPECT_TRUE(Existe("TA_CONFIGURACION", "USACONSULTALIKE"));
  EXPECT_TRUE(Existe("MA_CLIENTES", "IdFamilia"));
  EXPECT_EQ(dll.FhRegistroError, "08/10/2013");
}

TEST_F(VerificaCamposTest, TheFirstStepAsksOnceAndNoRunsNothing) {
  Desde("'02/07/2004'");
  platform.Operator().QueueAnswers({mb::kNo});
  dll.VerificaCampos();
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, kConfirmacion);
  EXPECT_EQ(platform.Operator().Boxes()[0].style, 36);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Atención");
  EXPECT_TRUE(Escritas().empty());
  EXPECT_EQ(platform.Operator().Pointer(), MousePointer::kDefault);
}

// The continuation test reads the date the pass started from: the pass that
// ran the step "03/09/2004" is the call's last.
TEST_F(VerificaCamposTest, ANullDateStartsAtTheStepOfTheThirdOfSeptember) {
  Desde("NULL");
  platform.Operator().QueueAnswers({mb::kYes});
  dll.VerificaCampos();
  EXPECT_EQ(Escritas(), (std::vector<std::string>{"03/09/2004", "04/09/2004"}));
  EXPECT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Pointer(), MousePointer::kDefault);
}

TEST_F(VerificaCamposTest, ADateThatKeysNoStepWalksDayByDayToTheNextKey) {
  Desde("'15/09/2004'");
  platform.Operator().QueueAnswers({mb::kNo});
  dll.VerificaCampos();
  const std::vector<std::string> escritas = Escritas();
  ASSERT_EQ(escritas.size(), 15u);
  EXPECT_EQ(escritas.front(), "16/09/2004");
  EXPECT_EQ(escritas.back(), "30/09/2004");
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);  // the step "30/09/2004" asks
  EXPECT_EQ(dll.FhRegistroError, "30/09/2004");
}

// The hundredth pass of a call that meets no key jumps to 04/07/2012.
TEST_F(VerificaCamposTest, AHundredPassesWithoutAKeyJumpToTheFourthOfJuly2012) {
  Desde("'01/01/2014'");
  dll.VerificaCampos();
  const std::vector<std::string> escritas = Escritas();
  ASSERT_EQ(escritas.size(), 103u);
  EXPECT_EQ(escritas[0], "02/01/2014");
  EXPECT_EQ(escritas[98], "10/04/2014");
  EXPECT_EQ(std::vector<std::string>(escritas.begin() + 99, escritas.end()),
            (std::vector<std::string>{"04/07/2012", "25/06/2013", "07/08/2013", "08/10/2013"}));
}

TEST_F(VerificaCamposTest, AnEmptyDateIsTakenAsTheTwentySeventhOfApril2012) {
  Desde("''");
  dll.VerificaCampos();
  const std::vector<std::string> escritas = Escritas();
  ASSERT_FALSE(escritas.empty());
  EXPECT_EQ(escritas.front(), "28/04/2012");
  EXPECT_EQ(escritas.back(), "08/10/2013");
}

TEST_F(VerificaCamposTest, WithoutARowTheCallEndsAtOnce) {
  db->Execute("DELETE FROM TA_CONFIGURACION");
  platform.Operator().SetMousePointer(MousePointer::kHourglass);
  dll.VerificaCampos();
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_EQ(platform.Operator().Pointer(), MousePointer::kHourglass);
}

TEST_F(VerificaCamposTest, AnUdOfTwoCharactersStopsTheUpgrade) {
  Desde("'20/11/2007'");
  db->Execute("DROP TABLE MV_RUTEO");
  db->Execute("CREATE TABLE MV_RUTEO (ID INT, UD NVARCHAR(2))");
  dll.VerificaCampos();
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text,
            "Se debe cambiar la longitud del campo UD de la Tabla MV_RUTEO de 2 a 4 caracteres!!!\r\n"
            "Hasta que no se realice esa operación el sistema no se continuará actualizando");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, 64);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Aviso al Operador");
  EXPECT_TRUE(Escritas().empty());
  EXPECT_TRUE(Existe("MV_RUTEO", "M3"));
}

// Asked again at every pass, the question would never end unattended,
// where No is its default answer.
TEST_F(VerificaCamposTest, AVersionChangeRefusedEndsTheCallAtItsStep) {
  Desde("'05/09/2006'");
  dll.VerificaCampos();  // unattended: No
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "CAMBIO DE VERSION");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, 292);
  EXPECT_EQ(platform.Operator().Boxes()[0].answer, mb::kNo);
  EXPECT_EQ(Escritas(), std::vector<std::string>{"06/09/2006"});
  EXPECT_TRUE(Existe("MA_DESTINATARIOS", "X"));
  EXPECT_EQ(platform.Operator().Pointer(), MousePointer::kDefault);

  platform.Operator().QueueAnswers({mb::kYes});
  dll.VerificaCampos();
  EXPECT_EQ(platform.Operator().Boxes().size(), 2u);
  EXPECT_EQ(Fecha(), "08/10/2013");
}

TEST_F(VerificaCamposTest, WhileAnotherSessionUpgradesTheCallChangesNothing) {
  Desde("'20/11/2007'");
  const auto otra = ado::OpenSqliteConnection(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
  auto candado = ado::SessionLock::TryAcquire(*otra, "Tramvel VerificaCampos");
  ASSERT_NE(candado, nullptr);
  dll.VerificaCampos();
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text,
            "Otra terminal está actualizando la base de datos en este momento.\r\n"
            "Vuelva a intentarlo cuando haya terminado.");
  EXPECT_TRUE(Escritas().empty());
  EXPECT_FALSE(Existe("MV_RUTEO", "M3"));

  candado.reset();
  dll.VerificaCampos();
  EXPECT_EQ(Fecha(), "08/10/2013");
}

TEST_F(VerificaCamposTest, AFailedActionGoesToTheOperatorAndAbortEndsTheCall) {
  Desde("'02/03/2008'");
  db->Execute("DROP TABLE MA_CLIENTES");
  dll.VerificaCampos();  // unattended: Abort
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].style & 0x0F, mb::kAbortRetryIgnore);
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("VerificaCampos"), std::string::npos) << platform.Operator().Boxes()[0].text;
  EXPECT_TRUE(Escritas().empty());
}

TEST_F(VerificaCamposTest, AfterACatchUpAFailureReachesTheCaller) {
  Desde("'29/09/2004'");
  db->Execute("DROP TABLE MA_DESTINATARIOS");
  platform.Operator().QueueAnswers({mb::kYes});
  EXPECT_THROW(dll.VerificaCampos(), Failure);
  EXPECT_EQ(platform.Operator().Boxes().size(), 1u);  // the confirmation only
  EXPECT_EQ(Escritas(), std::vector<std::string>{"30/09/2004"});
}

// The older upgrades touch tables before anything else.
TEST_F(VerificaCamposTest, OnABareDatabaseTheOlderUpgradesFailFirst) {
  db.reset();
  fs::remove(platform.NativePath("C:\\DATOS\\LOCAL\\GESTION.sqlite"));
  ado::CreateSqliteDatabase(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
  dll.OpenADOServer();
  dll.VerificaCampos();  // unattended: Abort
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("AUX_MV_STOCK"), std::string::npos) << platform.Operator().Boxes()[0].text;
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("VerificaCampos"), std::string::npos);
}

// A database older than the schema date gets the older upgrades first, each
// guarded block asking for itself, then the bootstrap's question.
TEST_F(VerificaCamposTest, WithoutASchemaDateTheOlderUpgradesRunBeforeAnyQuestion) {
  db->Execute("DROP TRIGGER escritas");
  db->Execute("ALTER TABLE TA_CONFIGURACION DROP COLUMN FHUPDATE");
  db->Execute("ALTER TABLE TA_TARIFA_NORMAL DROP COLUMN CantidadDesde");
  db->Execute("ALTER TABLE AUX_MV_STOCK DROP COLUMN EsVacio");
  platform.Operator().QueueAnswers({mb::kNo, mb::kYes, mb::kOk, mb::kOk, mb::kNo});
  dll.VerificaCampos();
  const std::vector<Box>& boxes = platform.Operator().Boxes();
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_EQ(boxes[0].text.substr(0, 13), "11-04-2004 - ");
  EXPECT_EQ(boxes[0].title, "Atención");
  EXPECT_EQ(boxes[1].text, "Se ha detectado una actualizacion de sistema pendiente, desea realizarla ahora?");
  EXPECT_EQ(boxes[1].title, "Aviso al Operador");
  EXPECT_EQ(boxes[2].title, "Aviso al operador");
  EXPECT_EQ(boxes[3].text, "Proceso Finalizado!");
  EXPECT_EQ(boxes[4].text, kConfirmacion);
  EXPECT_TRUE(Existe("AUX_MV_STOCK", "EsVacio"));
  EXPECT_FALSE(Existe("TA_TARIFA_NORMAL", "CantidadDesde"));
  EXPECT_EQ(Fecha(), "02/07/2004");
}

// The real scripts beside the program: a database made by the base schema
// goes through the whole chain in repeated calls, with no script error.
TEST_F(VerificaCamposTest, AFreshDatabaseReachesTheFinalKeyWithTheRealScripts) {
  platform.SetProgramFolder(TRAMVEL_SQL_DIR);
  platform.Operator().QueueAnswers({mb::kYes, mb::kYes, mb::kYes});
  std::vector<std::string> finales;
  for (int llamada = 0; llamada < 4 && Fecha() != "08/10/2013"; ++llamada) {
    dll.VerificaCampos();
    finales.push_back(Fecha());
  }
  EXPECT_EQ(finales, (std::vector<std::string>{"04/09/2004", "08/10/2013"}));
  ASSERT_EQ(platform.Operator().Boxes().size(), 3u);  // once per call, and the version change
  EXPECT_EQ(platform.Operator().Boxes()[2].title, "CAMBIO DE VERSION");
  EXPECT_EQ(ReadFile(temp.path() / "tmp" / "Script18370.TXT"), "");
  EXPECT_EQ(Escritas().size(), 99u);
  // The step of 26/04/2012 shows the wait window around its long script.
  ASSERT_EQ(platform.Operator().WaitEvents().size(), 3u);
  EXPECT_EQ(platform.Operator().WaitEvents()[0].text, "Cargando");
  EXPECT_EQ(platform.Operator().WaitEvents()[1].text,
            "Cargando Datos de ARBA|Este Proceso Puede Tardar unos Minutos|Espere PorFavor...");
  EXPECT_EQ(platform.Operator().WaitEvents()[2].what, "close");
  EXPECT_NO_THROW(db->Execute("SELECT * FROM Ql_DevolPendiente WHERE Nro_Viaje = 'V1' ORDER BY IDCOMPROBANTE"));
}

}  // namespace
}  // namespace tramvel::testing
