// The behaviours every engine of the data-access layer shares, run against
// each engine that can take them (the instantiations name the engines).
#include "EngineContract.h"

#include "platform/Failure.h"
#include "ado/Recordset.h"

namespace tramvel::ado::testing {
namespace {

Failure FailureOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Failure& e) {
    return e;
  }
  return Failure(0, "no failure");
}

}  // namespace

void EngineContract::SetUp() {
  site_ = GetParam().make();
  ASSERT_TRUE(site_);
  connection_ = site_->Open();
}

TEST_P(EngineContract, ConnectsToItsDatabase) {
  EXPECT_EQ(connection_->State(), adStateOpen);
  const std::string database = connection_->DefaultDatabase();
  EXPECT_FALSE(database.empty());
  connection_->SetDefaultDatabase(database);
  EXPECT_EQ(connection_->DefaultDatabase(), database);
  connection_->SetCommandTimeout(360);
  connection_->SetIsolationLevel(adXactReadUncommitted);
  EXPECT_EQ(connection_->Execute("SELECT 1 AS uno")->Fields("uno").Value().ToInteger(), 1);
}

TEST_P(EngineContract, RefusesAWrongPassword) {
  auto open = site_->OpenWithWrongPassword();
  if (!open) GTEST_SKIP() << "the engine has no passwords";
  Failure f = FailureOf(open);
  EXPECT_EQ(f.Number(), failure::kDatabase);
  EXPECT_NE(f.Description().find("password"), std::string::npos) << f.Description();
  EXPECT_FALSE(f.Source().empty());
}

TEST_P(EngineContract, NamesAMissingDriver) {
  auto open = site_->OpenWithMissingDriver();
  if (!open) GTEST_SKIP() << "the engine names no driver";
  Failure f = FailureOf(open);
  EXPECT_EQ(f.Number(), failure::kDatabase);
  EXPECT_NE(f.Description().find(kMissingDriver), std::string::npos) << f.Description();
}

TEST_P(EngineContract, ExecutesStatementsAndReturnsRowsOnlyForQueries) {
  EXPECT_EQ(connection_->Execute("CREATE TABLE E (Id int NOT NULL PRIMARY KEY, Nombre varchar(40) NULL)"), nullptr);
  EXPECT_EQ(connection_->Execute("INSERT INTO E (Id, Nombre) VALUES (1, 'uno')"), nullptr);
  EXPECT_EQ(connection_->Execute("UPDATE E SET Nombre = 'otro' WHERE Id = 99"), nullptr);  // no row
  std::unique_ptr<Recordset> rs = connection_->Execute("SELECT Nombre FROM E WHERE Id = 1");
  ASSERT_NE(rs, nullptr);
  EXPECT_EQ(rs->Fields("NOMBRE").Value(), Variant("uno"));
  EXPECT_TRUE(connection_->TableExists("E"));
  EXPECT_TRUE(connection_->TableExists("dbo.e"));
  EXPECT_TRUE(connection_->ColumnExists("e", "NOMBRE"));
  EXPECT_FALSE(connection_->ColumnExists("E", "Nada"));
  EXPECT_FALSE(connection_->TableExists("Nada"));
}

TEST_P(EngineContract, FetchesEveryColumnTypeTheSystemUses) {
  connection_->Execute("CREATE TABLE T (Id int NOT NULL PRIMARY KEY, Texto varchar(40) NULL, Entero int NULL, "
                       "Importe " + site_->AmountType() + " NULL, Fecha " + site_->DateType() + " NULL, Activo " +
                       site_->BitType() + " NULL)");
  const DateTime when{2014, 5, 6, 18, 37, 5};
  connection_->Execute("INSERT INTO T (Id, Texto, Entero, Importe, Fecha, Activo) VALUES (1, " +
                       connection_->SqlLiteral("Camión 'A'") + ", " + connection_->SqlLiteral(42) + ", " +
                       connection_->SqlLiteral(Currency::FromRaw(12345678)) + ", " + connection_->SqlLiteral(when) +
                       ", '1')");
  connection_->Execute("INSERT INTO T (Id) VALUES (2)");
  Recordset rs;
  rs.Open("SELECT Texto, Entero, Importe, Fecha, Activo FROM T ORDER BY Id", *connection_);
  EXPECT_EQ(rs.Fields("Texto").Value(), Variant("Camión 'A'"));
  EXPECT_EQ(rs.Fields("Texto").DefinedSize(), 40);
  EXPECT_EQ(rs.Fields("Entero").Value(), Variant(42));
  EXPECT_EQ(rs.Fields("Importe").Value(), Variant(Currency::FromRaw(12345678)));
  EXPECT_EQ(rs.Fields("Fecha").Value(), Variant(when));
  EXPECT_EQ(rs.Fields("Activo").Value(), Variant(true));
  rs.MoveNext();
  for (const char* column : {"Texto", "Entero", "Importe", "Fecha", "Activo"}) {
    EXPECT_TRUE(rs.Fields(column).Value().IsNull()) << column;
  }
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
}

TEST_P(EngineContract, WritesAndReadsALongTextWhole) {
  connection_->Execute("CREATE TABLE N (Id int NOT NULL PRIMARY KEY, Nota text NULL)");
  std::string longText;
  while (longText.size() < 30000) longText += "Camión nº " + std::to_string(longText.size()) + "; ";
  Recordset rs;
  rs.Open("SELECT Id, Nota FROM N", *connection_, adOpenDynamic, adLockOptimistic);
  rs.AddNew();
  rs.Fields("Id").SetValue(1);
  rs.Fields("Nota").SetValue(longText);
  rs.Update();
  rs.Close();
  EXPECT_EQ(connection_->Execute("SELECT Nota FROM N")->Fields("Nota").Value(), Variant(longText));
}

TEST_P(EngineContract, ReadsForwardWhileOtherStatementsRunOnTheConnection) {
  connection_->Execute("CREATE TABLE F (Id int NOT NULL PRIMARY KEY)");
  for (int id = 1; id <= 3; ++id) connection_->Execute("INSERT INTO F (Id) VALUES (" + std::to_string(id) + ")");
  Recordset rs;
  rs.Open("SELECT Id FROM F ORDER BY Id", *connection_);
  EXPECT_EQ(rs.RecordCount(), -1);  // read as it moves
  EXPECT_EQ(rs.Fields("Id").Value(), Variant(1));
  connection_->Execute("INSERT INTO F (Id) VALUES (9)");
  EXPECT_TRUE(connection_->TableExists("F"));
  std::vector<int64_t> seen;
  for (; !rs.Eof(); rs.MoveNext()) seen.push_back(rs.Fields("Id").Value().ToInteger());
  EXPECT_GE(seen.size(), 3u);
  EXPECT_EQ(std::vector<int64_t>(seen.begin(), seen.begin() + 3), (std::vector<int64_t>{1, 2, 3}));
}

TEST_P(EngineContract, PutsTheDatabaseErrorInErrors) {
  Failure f = FailureOf([&] { connection_->Execute("SELECT * FROM Nada"); });
  EXPECT_EQ(f.Number(), failure::kDatabase);
  ASSERT_GE(connection_->Errors().Count(), 1u);
  const Error& first = connection_->Errors()[0];
  EXPECT_NE(first.NativeError, 0);
  EXPECT_EQ(f.Description(), first.Description);
  EXPECT_EQ(f.Source(), first.Source);
  EXPECT_NE(first.Description.find_first_of("Nn"), std::string::npos) << first.Description;
  if (site_->SqlStateSources()) {
    EXPECT_EQ(first.Source.size(), 5u) << first.Source;
  }
  // The next statement starts with a clean list.
  connection_->Execute("SELECT 1 AS uno");
  EXPECT_TRUE(connection_->Errors().Empty());
}

TEST_P(EngineContract, AddNewAndUpdateWriteRowsBack) {
  // One table keyed by its primary key, one found by all its values.
  struct Case {
    std::string table, key;
  };
  for (const Case& c : {Case{"WK", " PRIMARY KEY"}, Case{"WV", ""}}) {
    SCOPED_TRACE(c.table);
    const std::string& table = c.table;
    connection_->Execute("CREATE TABLE " + table + " (Clave varchar(10) NOT NULL" + c.key +
                         ", Valor varchar(20) NULL, Importe " + site_->AmountType() + " NULL)");
    connection_->Execute("INSERT INTO " + table + " (Clave, Valor) VALUES ('B', 'igual')");
    Recordset rs;
    rs.Open("SELECT * FROM " + table, *connection_, adOpenDynamic, adLockOptimistic);
    rs.AddNew();
    rs.Fields("Clave").SetValue("A");
    rs.Fields("Valor").SetValue("nuevo");
    rs.Fields("Importe").SetValue(2.5);
    rs.Update();
    EXPECT_EQ(rs.Fields("Importe").Value(), Variant(Currency::FromRaw(25000)));
    // The added row changes again, and so does the one read.
    rs.Fields("Valor").SetValue("cambiado");
    rs.Update();
    rs.MoveFirst();
    rs.Fields("Valor").SetValue(Variant::Null());
    rs.Update();
    rs.Close();

    std::unique_ptr<Recordset> check = connection_->Execute("SELECT Clave, Valor FROM " + table + " ORDER BY Clave");
    EXPECT_EQ(check->Fields("Clave").Value(), Variant("A"));
    EXPECT_EQ(check->Fields("Valor").Value(), Variant("cambiado"));
    check->MoveNext();
    EXPECT_EQ(check->Fields("Clave").Value(), Variant("B"));
    EXPECT_TRUE(check->Fields("Valor").Value().IsNull());
    check->MoveNext();
    EXPECT_TRUE(check->Eof());
  }
}

TEST_P(EngineContract, AKeylessRowWithATwinIsNotWritten) {
  connection_->Execute("CREATE TABLE D (Clave varchar(10) NULL, Valor int NULL)");
  connection_->Execute("INSERT INTO D (Clave, Valor) VALUES ('A', 1)");
  connection_->Execute("INSERT INTO D (Clave, Valor) VALUES ('A', 1)");
  Recordset rs;
  rs.Open("SELECT Clave, Valor FROM D", *connection_, adOpenDynamic, adLockOptimistic);
  rs.Fields("Valor").SetValue(2);
  if (site_->TellsTwinsApart()) {
    rs.Update();
  } else {
    // Which of the twins is meant cannot be told: neither changes.
    EXPECT_EQ(FailureOf([&] { rs.Update(); }).Number(), failure::kDatabase);
    rs.CancelUpdate();
  }
  rs.Close();
  EXPECT_EQ(connection_->Execute("SELECT COUNT(*) AS n FROM D WHERE Valor = 1")->Fields("n").Value().ToInteger(),
            site_->TellsTwinsApart() ? 1 : 2);
}

TEST_P(EngineContract, AnAddedRowGetsTheKeyTheServerGaveIt) {
  connection_->Execute("CREATE TABLE K (Id " + site_->IdentityKey() + ", Nombre varchar(20) NULL)");
  connection_->Execute("INSERT INTO K (Nombre) VALUES ('primero')");
  Recordset rs;
  rs.Open("SELECT Id, Nombre FROM K", *connection_, adOpenDynamic, adLockOptimistic);
  rs.AddNew();
  rs.Fields("Nombre").SetValue("segundo");
  rs.Update();
  EXPECT_EQ(rs.Fields("Id").Value(), Variant(2));
  // Found again by that key: a change updates it.
  rs.Fields("Nombre").SetValue("cambiado");
  rs.Update();
  EXPECT_EQ(connection_->Execute("SELECT Nombre FROM K WHERE Id = 2")->Fields("Nombre").Value(), Variant("cambiado"));
}

TEST_P(EngineContract, CancelsAStatementOverItsTimeOut) {
  connection_->Execute("CREATE TABLE L (Id int NOT NULL PRIMARY KEY, Valor int NULL)");
  connection_->Execute("INSERT INTO L (Id, Valor) VALUES (1, 0)");
  std::unique_ptr<Connection> holder = site_->Open();
  holder->Execute("BEGIN TRANSACTION");
  holder->Execute("UPDATE L SET Valor = 1 WHERE Id = 1");
  connection_->SetCommandTimeout(1);
  Failure f = FailureOf([&] { connection_->Execute("UPDATE L SET Valor = 2 WHERE Id = 1"); });
  EXPECT_EQ(f.Number(), failure::kDatabase);
  ASSERT_GE(connection_->Errors().Count(), 1u);
  EXPECT_EQ(connection_->Errors()[0].NativeError, 1222) << connection_->Errors()[0].Description;
  holder->Execute("ROLLBACK TRANSACTION");
  // Once the lock is gone the statement goes through.
  connection_->Execute("UPDATE L SET Valor = 2 WHERE Id = 1");
  EXPECT_EQ(connection_->Execute("SELECT Valor FROM L")->Fields("Valor").Value(), Variant(2));
}

TEST_P(EngineContract, FailsClearlyWhenTheServerStopsUnderAnOpenConnection) {
  if (!site_->StopServer()) GTEST_SKIP() << "the engine has no server";
  Failure f = FailureOf([&] { connection_->Execute("SELECT 1 AS uno"); });
  site_->StartServer();
  EXPECT_EQ(f.Number(), failure::kDatabase);
  ASSERT_GE(connection_->Errors().Count(), 1u);
  EXPECT_FALSE(connection_->Errors()[0].Description.empty());
  // A second statement on the lost connection fails the same way, at once.
  EXPECT_EQ(FailureOf([&] { connection_->Execute("SELECT 1 AS uno"); }).Number(), failure::kDatabase);
  // A new session reaches the server again.
  EXPECT_EQ(site_->Open()->Execute("SELECT 1 AS uno")->Fields("uno").Value().ToInteger(), 1);
}

}  // namespace tramvel::ado::testing
