#include "ado/Connection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FailureOf.h"
#include "TempFolder.h"
#include "platform/Failure.h"
#include "ado/Recordset.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::ado {
namespace {

using testing::TempFolder;

using testing::FailureOf;
using testing::RaisedFailure;

class ConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateSqliteDatabase(folder_.str(), "DEMO");
    connection_ = OpenSqliteConnection(folder_.str(), "DEMO");
  }

  TempFolder folder_;
  std::unique_ptr<Connection> connection_;
};

TEST_F(ConnectionTest, MissingDatabaseIs4060AtConnectTime) {
  Failure f = RaisedFailure([&] { OpenSqliteConnection(folder_.str(), "NADA"); });
  EXPECT_EQ(f.Number(), failure::kDatabase);
  EXPECT_EQ(f.Description(), "Cannot open database \"NADA\" requested by the login. The login failed.");
  EXPECT_FALSE(std::filesystem::exists(folder_.str() + "/NADA.sqlite"));
}

TEST_F(ConnectionTest, DatabaseNameIgnoresCaseAndCreatingTwiceIs1801) {
  EXPECT_EQ(OpenSqliteConnection(folder_.str(), "demo")->State(), adStateOpen);
  Failure f = RaisedFailure([&] { CreateSqliteDatabase(folder_.str(), "Demo"); });
  EXPECT_EQ(f.Number(), failure::kDatabase);
  EXPECT_EQ(f.Description(), "Database 'Demo' already exists. Choose a different database name.");
}

TEST_F(ConnectionTest, FailingStatementFillsErrorsAndRaises) {
  Failure f = RaisedFailure([&] { connection_->Execute("SELECT * FROM Nada with(nolock)"); });
  EXPECT_EQ(f.Number(), failure::kDatabase);
  EXPECT_EQ(f.Description(), "Invalid object name 'Nada'.");
  EXPECT_EQ(f.Source(), "SQLite");
  ASSERT_EQ(connection_->Errors().Count(), 1u);
  EXPECT_EQ(connection_->Errors()[0].NativeError, 208);
  EXPECT_EQ(connection_->Errors()[0].Description, "Invalid object name 'Nada'.");

  connection_->Execute("SET NOCOUNT ON");
  EXPECT_EQ(connection_->Errors().Count(), 0u);  // cleared by the next Execute
}

struct ErrorCase {
  const char* batch;
  int32_t native;
  const char* description;
};

// Real SQLite messages reach the error table as it expects them.
// A task stored for "sa" is found by "WHERE USUARIO = 'sa '", and a key
// differing in trailing blanks only is the same key, as on the server.
TEST_F(ConnectionTest, TextsCompareWithoutTheirTrailingBlanks) {
  connection_->Execute(
      "CREATE TABLE U (Usuario NVARCHAR(50) NOT NULL, CONSTRAINT PK_U PRIMARY KEY (Usuario))\n"
      "INSERT INTO U (Usuario) VALUES ('sa')");
  EXPECT_EQ(connection_->Execute("SELECT COUNT(*) FROM U WHERE Usuario = 'SA '")->Fields(0).Value(), Variant(1));
  EXPECT_EQ(FailureOf([&] { connection_->Execute("INSERT INTO U (Usuario) VALUES ('sa  ')"); }), failure::kDatabase);
  EXPECT_EQ(connection_->Errors()[0].NativeError, 2627);
  EXPECT_EQ(connection_->Execute("SELECT COUNT(*) FROM U WHERE Usuario LIKE 'S%'")->Fields(0).Value(), Variant(1));
}

TEST_F(ConnectionTest, DatabaseErrorsCarrySqlServersNumbers) {
  connection_->Execute(
      "CREATE TABLE M (Id int NOT NULL PRIMARY KEY, Clave varchar(10) NOT NULL)\n"
      "CREATE TABLE D (Id int, MId int REFERENCES M (Id))\n"
      "ALTER TABLE M ADD CONSTRAINT UQ_M_Clave UNIQUE (Clave)\n"
      "CREATE INDEX IX_D ON D (MId)\n"
      "INSERT INTO M (Id, Clave) VALUES (1, 'a')");
  const ErrorCase cases[] = {
      {"CREATE TABLE m (x int)", 2714, "There is already an object named 'm' in the database."},
      {"CREATE VIEW M AS SELECT 1 AS x", 2714, "There is already an object named 'M' in the database."},
      {"CREATE INDEX IX_D ON D (Id)", 1913,
       "The operation failed because an index or statistics with name 'IX_D' already exists on table 'D'."},
      {"ALTER TABLE M ADD clave varchar(5)", 2705,
       "Column names in each table must be unique. Column name 'clave' in table 'M' is specified more than once."},
      {"INSERT INTO M (Id, Clave) VALUES (2, 'A')", 2627,
       "Violation of UNIQUE KEY constraint 'UQ_M_Clave'. Cannot insert duplicate key in object 'dbo.M'."},
      {"INSERT INTO M (Id, Clave) VALUES (1, 'b')", 2627,
       "Violation of PRIMARY KEY constraint 'PK_M'. Cannot insert duplicate key in object 'dbo.M'."},
      {"INSERT INTO D (Id, MId) VALUES (1, 99)", 547,
       "The INSERT statement conflicted with the FOREIGN KEY constraint \"FK_D\". The conflict occurred in database "
       "\"DEMO\", table \"dbo.D\"."},
      {"INSERT INTO M (Id) VALUES (3)", 515,
       "Cannot insert the value NULL into column 'Clave', table 'DEMO.dbo.M'; column does not allow nulls. INSERT "
       "fails."},
      {"SELECT Nada FROM M", 207, "Invalid column name 'Nada'."},
      {"SELECT * FROMM M", 102, "Incorrect syntax near 'FROMM'."},
      {"EXEC sp_addlogin N'x', 'y'", 2812, "Could not find stored procedure 'sp_addlogin'."},
      {"DROP TABLE Nada", 3701, "Cannot drop the table 'Nada', because it does not exist or you do not have permission."},
      {"COMMIT TRANSACTION", 3902, "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."},
      {"CREATE TABLE G (a int)\r\nGO\r\n", 102, "Incorrect syntax near 'GO'."},
      // What the table does not know keeps the engine's words, under a number that is not 0.
      {"SELECT 1 UNION SELECT 1, 2", kEngineMessage,
       "SELECTs to the left and right of UNION do not have the same number of result columns"},
  };
  for (const ErrorCase& c : cases) {
    Failure f = RaisedFailure([&] { connection_->Execute(c.batch); });
    EXPECT_EQ(f.Number(), failure::kDatabase) << c.batch;
    ASSERT_GE(connection_->Errors().Count(), 1u) << c.batch;
    EXPECT_EQ(connection_->Errors()[0].NativeError, c.native) << c.batch;
    EXPECT_EQ(connection_->Errors()[0].Description, c.description) << c.batch;
  }
}

// Amounts keep every digit and compare as numbers; texts keep to their
// declared length, in columns added later too, as on the server.
TEST_F(ConnectionTest, AmountsAreExactAndTextsKeepTheirLength) {
  connection_->Execute(
      "CREATE TABLE P (Id int, Importe MONEY NULL, Nombre NVARCHAR(3) NULL)\n"
      "ALTER TABLE P ADD Nota varchar(1) NULL, Tasa DECIMAL(18, 4) NULL");
  const Currency big = *Currency::Parse("12345678901234.5678");
  connection_->Execute("INSERT INTO P (Id, Importe, Nombre, Tasa) VALUES (1, " + connection_->SqlLiteral(big) +
                       ", N'ñá€', '-0.0001')\nINSERT INTO P (Id, Importe) VALUES (2, 9.5)\n"
                       "INSERT INTO P (Id, Importe) VALUES (3, 10)");
  auto one = connection_->Execute("SELECT Importe, Tasa FROM P WHERE Id = 1");
  EXPECT_EQ(one->Fields("Importe").Value(), Variant(big));
  EXPECT_EQ(one->Fields("Tasa").Value(), Variant(Currency::FromRaw(-1)));
  auto order = connection_->Execute("SELECT Id FROM P WHERE Importe > 9.75 ORDER BY Importe DESC");
  EXPECT_EQ(order->Fields(0).Value(), Variant(1));
  order->MoveNext();
  EXPECT_EQ(order->Fields(0).Value(), Variant(3));
  EXPECT_EQ(connection_->Execute("SELECT COUNT(*) FROM P WHERE Importe = 9.50")->Fields(0).Value(), Variant(1));

  // Trailing blanks beyond the length go without a word, as on the server.
  connection_->Execute("UPDATE P SET Nota = 'x   ' WHERE Id = 3");
  for (const char* tooLong : {"INSERT INTO P (Id, Nombre) VALUES (4, 'SSSS')", "UPDATE P SET Nombre = 'abcd'",
                              "UPDATE P SET Nota = 'ab' WHERE Id = 2"}) {
    Failure f = RaisedFailure([&] { connection_->Execute(tooLong); });
    EXPECT_EQ(f.Number(), failure::kDatabase) << tooLong;
    ASSERT_EQ(connection_->Errors().Count(), 2u) << tooLong;
    EXPECT_EQ(connection_->Errors()[0].NativeError, 8152) << tooLong;
    EXPECT_EQ(connection_->Errors()[0].Description, "String or binary data would be truncated.") << tooLong;
    EXPECT_EQ(connection_->Errors()[1].NativeError, 3621) << tooLong;
  }
  EXPECT_EQ(connection_->Execute("SELECT COUNT(*) FROM P WHERE Nombre = 'ñá€' AND Nota IS NULL")->Fields(0).Value(),
            Variant(1));
}

TEST_F(ConnectionTest, ViewOverMissingTableIs208AndIsNotKept) {
  Failure f = RaisedFailure([&] { connection_->Execute("CREATE VIEW Ql_X AS SELECT a FROM Tardia"); });
  EXPECT_EQ(f.Description(), "Invalid object name 'Tardia'.");
  ASSERT_EQ(connection_->Errors().Count(), 1u);
  EXPECT_EQ(connection_->Errors()[0].NativeError, 208);

  // The view is gone, so the same script succeeds once the table exists.
  connection_->Execute("CREATE TABLE Tardia (a int)");
  connection_->Execute("CREATE VIEW Ql_X AS SELECT a FROM Tardia");
  EXPECT_EQ(connection_->Execute("SELECT * FROM Ql_X")->State(), adStateOpen);
}

TEST_F(ConnectionTest, StatementErrorsGoOnLikeTheServerAndRollbackUndoesTheBatch) {
  connection_->Execute("CREATE TABLE A (x int PRIMARY KEY)");
  // A transactional statement list arrives with its statements separated by CR alone.
  Failure f = RaisedFailure([&] {
    connection_->Execute("BEGIN TRANSACTION \r\r\rINSERT INTO A (x) VALUES (1)\rINSERT INTO A (x) VALUES (1)\r"
                         "INSERT INTO A (x) VALUES (2)\r");
  });
  EXPECT_EQ(f.Number(), failure::kDatabase);
  ASSERT_EQ(connection_->Errors().Count(), 2u);
  EXPECT_EQ(connection_->Errors()[0].NativeError, 2627);
  EXPECT_EQ(connection_->Errors()[1].NativeError, 3621);
  EXPECT_EQ(connection_->Execute("SELECT COUNT(*) AS n FROM A")->Fields("n").Value(), Variant(2));
  connection_->Execute("ROLLBACK TRANSACTION");
  EXPECT_EQ(connection_->Execute("SELECT COUNT(*) AS n FROM A")->Fields("n").Value(), Variant(0));
}

TEST_F(ConnectionTest, NestedTransactionsCommitAtTheOutermost) {
  connection_->Execute("CREATE TABLE A (x int)");
  connection_->Execute("BEGIN TRAN\nBEGIN TRAN\nINSERT INTO A (x) VALUES (1)\nCOMMIT TRAN");
  auto other = OpenSqliteConnection(folder_.str(), "DEMO");
  EXPECT_EQ(other->Execute("SELECT COUNT(*) AS n FROM A")->Fields("n").Value(), Variant(0));
  connection_->Execute("COMMIT TRANSACTION");
  EXPECT_EQ(other->Execute("SELECT COUNT(*) AS n FROM A")->Fields("n").Value(), Variant(1));
}

TEST_F(ConnectionTest, ExecuteGivesRowsOnlyForAQuery) {
  connection_->Execute("CREATE TABLE A (x int)");
  EXPECT_EQ(connection_->Execute("INSERT INTO A (x) VALUES (7)"), nullptr);
  auto rows = connection_->Execute("UPDATE A SET x = 8\nSELECT x FROM A\nUPDATE A SET x = 9");
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->CursorType(), adOpenStatic);
  EXPECT_EQ(rows->Fields(0).Value(), Variant(8));
  EXPECT_EQ(connection_->Execute("SELECT x FROM A")->Fields("X").Value(), Variant(9));
}

TEST_F(ConnectionTest, SchemaQuestionsIgnoreCase) {
  connection_->Execute("CREATE TABLE TA_CONFIGURACION (Clave nvarchar(50))\nCREATE VIEW V AS SELECT Clave FROM "
                       "TA_CONFIGURACION");
  EXPECT_TRUE(connection_->TableExists("ta_configuracion"));
  EXPECT_TRUE(connection_->TableExists("[dbo].[TA_CONFIGURACION]"));
  EXPECT_FALSE(connection_->TableExists("V"));
  EXPECT_FALSE(connection_->TableExists("Nada"));
  EXPECT_TRUE(connection_->ColumnExists("TA_CONFIGURACION", "CLAVE"));
  EXPECT_FALSE(connection_->ColumnExists("TA_CONFIGURACION", "FHUPDATE"));
  EXPECT_FALSE(connection_->ColumnExists("Nada", "Clave"));
}

TEST_F(ConnectionTest, DefaultDatabaseMovesBetweenDatabasesOfTheServer) {
  EXPECT_EQ(connection_->DefaultDatabase(), "DEMO");
  connection_->SetDefaultDatabase("demo");  // the same one
  Failure f = RaisedFailure([&] { connection_->SetDefaultDatabase("DW_ESTADISTICAS"); });
  EXPECT_EQ(connection_->Errors()[0].NativeError, 911);
  EXPECT_EQ(f.Number(), failure::kDatabase);

  connection_->Execute("CREATE DATABASE DW_ESTADISTICAS COLLATE Latin1_General_CI_AI");
  connection_->SetDefaultDatabase("DW_ESTADISTICAS");
  EXPECT_EQ(connection_->DefaultDatabase(), "DW_ESTADISTICAS");
  connection_->Execute("CREATE TABLE Solo (a int)");
  EXPECT_FALSE(OpenSqliteConnection(folder_.str(), "DEMO")->TableExists("Solo"));
}

// A commit reported is on the disk, on every connection (2: FULL).
TEST_F(ConnectionTest, EveryConnectionCommitsDurably) {
  EXPECT_EQ(connection_->Execute("PRAGMA synchronous")->Fields(0).Value(), Variant(2));
  connection_->Execute("CREATE DATABASE OTRA");
  connection_->SetDefaultDatabase("OTRA");
  EXPECT_EQ(connection_->Execute("PRAGMA synchronous")->Fields(0).Value(), Variant(2));
  EXPECT_EQ(connection_->Execute("PRAGMA journal_mode")->Fields(0).Value(), Variant("wal"));
}

TEST_F(ConnectionTest, PropertiesAndLiterals) {
  EXPECT_EQ(connection_->CommandTimeout(), 30);
  connection_->SetCommandTimeout(360);
  EXPECT_EQ(connection_->CommandTimeout(), 360);
  connection_->SetIsolationLevel(adXactReadUncommitted);
  EXPECT_EQ(connection_->IsolationLevel(), 256);
  EXPECT_EQ(connection_->SqlLiteral("O'Brien"), "'O''Brien'");
  EXPECT_EQ(connection_->SqlLiteral(Variant::Null()), "NULL");
  EXPECT_EQ(connection_->SqlLiteral(DateTime{2014, 5, 6, 18, 37, 0}), "'2014-05-06 18:37:00'");
  EXPECT_EQ(connection_->SqlLiteral(Currency::FromRaw(12345)), "'1.2345'");
  EXPECT_EQ(connection_->SqlLiteral(true), "1");
}

TEST_F(ConnectionTest, ClosedConnectionRaises3704AndClosesItsRecordsets) {
  connection_->Execute("CREATE TABLE A (x int)");
  Recordset rs;
  rs.Open("SELECT x FROM A", *connection_);
  connection_->Close();
  EXPECT_EQ(connection_->State(), adStateClosed);
  EXPECT_EQ(rs.State(), adStateClosed);
  EXPECT_EQ(FailureOf([&] { connection_->Execute("SELECT 1"); }), 3704);
  EXPECT_EQ(FailureOf([&] { connection_->Close(); }), 3704);
  EXPECT_EQ(FailureOf([&] { rs.Eof(); }), 3704);
}

}  // namespace
}  // namespace tramvel::ado
