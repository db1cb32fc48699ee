#include "ado/Recordset.h"

#include <gtest/gtest.h>

#include "FailureOf.h"
#include "TempFolder.h"
#include "platform/Failure.h"
#include "ado/Connection.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::ado {
namespace {

using testing::FailureOf;
using testing::TempFolder;

class RecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateSqliteDatabase(folder_.str(), "DEMO");
    connection_ = OpenSqliteConnection(folder_.str(), "DEMO");
    connection_->Execute(
        "CREATE TABLE [dbo].[R] ([Id] [int] IDENTITY (1, 1) NOT NULL, [Nombre] [varchar] (40) NULL,\n"
        "  Importe money NULL, Fecha datetime NULL, Activo bit NULL, Alta datetime DEFAULT GETDATE(),\n"
        "  CONSTRAINT PK_R PRIMARY KEY CLUSTERED (Id)) ON [PRIMARY]");
  }

  TempFolder folder_;
  std::unique_ptr<Connection> connection_;
};

TEST_F(RecordsetTest, RoundTripOfNullCurrencyAndDayMonthYearDate) {
  connection_->Execute(
      "INSERT INTO R (Nombre, Importe, Fecha, Activo) VALUES (NULL, 1.23445, '06/05/2014 18:37', 1)\n"
      "INSERT INTO R (Nombre, Importe, Fecha, Activo) VALUES (N'Señor', '1.23455', '2014-05-07', 0)");
  Recordset rs;
  rs.Open("SELECT * FROM R with(nolock) ORDER BY Id", *connection_, adOpenForwardOnly, adLockReadOnly);
  ASSERT_FALSE(rs.Bof());
  EXPECT_TRUE(rs.Fields("nombre").Value().IsNull());
  EXPECT_EQ(rs.Fields("IMPORTE").Value(), Variant(Currency::FromRaw(12344)));  // half to even
  EXPECT_EQ(rs.Fields("Fecha").Value(), Variant(DateTime{2014, 5, 6, 18, 37, 0}));
  EXPECT_EQ(rs.Fields("Activo").Value(), Variant(true));
  EXPECT_EQ(rs.Fields("Id").Value(), Variant(1));
  EXPECT_EQ(rs.Fields("Alta").Value().Type(), VariantType::kDate);

  EXPECT_EQ(rs.Fields("Nombre").DefinedSize(), 40);
  EXPECT_EQ(rs.Fields("Id").DefinedSize(), 4);
  EXPECT_EQ(rs.Fields("Importe").DefinedSize(), 8);
  EXPECT_EQ(rs.Fields("Fecha").DefinedSize(), 8);
  EXPECT_EQ(rs.Fields("Activo").DefinedSize(), 2);
  EXPECT_EQ(rs.Fields(1).Name(), "Nombre");
  EXPECT_EQ(rs.RecordCount(), -1);

  rs.MoveNext();
  EXPECT_EQ(rs.Fields("Nombre").Value(), Variant("Señor"));
  EXPECT_EQ(rs.Fields("Importe").Value(), Variant(Currency::FromRaw(12346)));
  EXPECT_EQ(rs.Fields("Fecha").Value(), Variant(DateTime{2014, 5, 7}));
  EXPECT_EQ(rs.Fields("Activo").Value(), Variant(false));
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
  EXPECT_FALSE(rs.Bof());
  EXPECT_EQ(FailureOf([&] { rs.Fields("Nombre").Value(); }), 3021);
  EXPECT_EQ(FailureOf([&] { rs.MoveNext(); }), 3021);
  EXPECT_EQ(FailureOf([&] { rs.Fields("Nada"); }), 3265);

  rs.MoveFirst();  // a forward-only cursor runs its query again
  EXPECT_EQ(rs.Fields("Id").Value(), Variant(1));
  rs.Close();
  EXPECT_EQ(rs.State(), adStateClosed);
  EXPECT_EQ(FailureOf([&] { rs.Eof(); }), 3704);
  EXPECT_EQ(FailureOf([&] { rs.Fields("Id"); }), 3704);
  EXPECT_EQ(FailureOf([&] { rs.Close(); }), 3704);
}

TEST_F(RecordsetTest, EmptyResultIsBothBofAndEof) {
  Recordset rs;
  rs.Open("SELECT TOP 1 Nombre FROM R", *connection_);
  EXPECT_TRUE(rs.Bof());
  EXPECT_TRUE(rs.Eof());
  EXPECT_EQ(rs.Fields("Nombre").DefinedSize(), 40);
}

TEST_F(RecordsetTest, AddNewAndUpdateWriteAFreshRow) {
  Recordset rs;
  rs.Open("SELECT * FROM R WHERE Nombre = 'x'", *connection_, adOpenDynamic, adLockOptimistic);
  EXPECT_EQ(rs.CursorType(), adOpenDynamic);
  EXPECT_EQ(rs.LockType(), adLockOptimistic);
  ASSERT_TRUE(rs.Bof() && rs.Eof());
  rs.AddNew();
  rs.Fields("Nombre").SetValue("Nuevo");
  rs.Fields("Importe").SetValue(2.5);
  rs.Fields("fecha").SetValue("03/09/2004");  // text read as day/month/year
  rs.Fields("Activo").SetValue(true);
  rs.Update();
  // The stored row comes back: its identity and its default.
  EXPECT_EQ(rs.Fields("Id").Value(), Variant(1));
  EXPECT_EQ(rs.Fields("Importe").Value(), Variant(Currency::FromRaw(25000)));
  EXPECT_EQ(rs.Fields("Alta").Value().Type(), VariantType::kDate);

  // A second change of the same row updates it, it adds no other row.
  rs.Fields("Nombre").SetValue("Cambiado");
  rs.Update();
  rs.Close();

  auto stored = connection_->Execute("SELECT COUNT(*) AS n, MAX(Nombre) AS nombre, MAX(Fecha) AS f FROM R");
  EXPECT_EQ(stored->Fields("n").Value(), Variant(1));
  EXPECT_EQ(stored->Fields("nombre").Value(), Variant("Cambiado"));
  EXPECT_EQ(stored->Fields("f").Value(), Variant(DateTime{2004, 9, 3}));  // stored as ISO text
}

TEST_F(RecordsetTest, UpdateChangesOnlyTheCurrentExistingRow) {
  connection_->Execute(
      "CREATE TABLE TA_CONFIGURACION (Clave nvarchar(50), Valor nvarchar(150), FHUPDATE datetime)\n"
      "INSERT INTO TA_CONFIGURACION (Clave, Valor) VALUES ('A', '1')\n"
      "INSERT INTO TA_CONFIGURACION (Clave, Valor) VALUES ('B', '2')");
  Recordset rs;
  rs.Open("TA_CONFIGURACION", *connection_, adOpenDynamic, adLockOptimistic);  // a bare table name
  ASSERT_FALSE(rs.Eof());
  rs.MoveFirst();
  EXPECT_TRUE(rs.Fields("FhUpdate").Value().IsNull());
  rs.Fields("FhUpdate").SetValue("03/09/2004");
  rs.Update();
  EXPECT_EQ(rs.Fields("FhUpdate").Value(), Variant(DateTime{2004, 9, 3}));
  rs.MoveNext();
  rs.Fields("Valor").SetValue(20);  // a number into a text column
  rs.MoveNext();                    // moving off the row updates it
  EXPECT_TRUE(rs.Eof());
  rs.Close();

  auto a = connection_->Execute("SELECT Valor, FHUPDATE FROM TA_CONFIGURACION WHERE Clave = 'a'");
  EXPECT_EQ(a->Fields("Valor").Value(), Variant("1"));
  EXPECT_EQ(a->Fields("FHUPDATE").Value(), Variant(DateTime{2004, 9, 3}));
  auto b = connection_->Execute("SELECT Valor, FHUPDATE FROM TA_CONFIGURACION WHERE Clave = 'B'");
  EXPECT_EQ(b->Fields("Valor").Value(), Variant("20"));
  EXPECT_TRUE(b->Fields("FHUPDATE").Value().IsNull());
}

TEST_F(RecordsetTest, FailedUpdateKeepsTheChangeAndFillsErrors) {
  connection_->Execute("CREATE TABLE U (Clave varchar(10) NOT NULL UNIQUE)\nINSERT INTO U (Clave) VALUES ('a')");
  Recordset rs;
  rs.Open("SELECT * FROM U", *connection_, adOpenDynamic, adLockOptimistic);
  rs.AddNew();
  rs.Fields("Clave").SetValue("A");
  EXPECT_EQ(FailureOf([&] { rs.Update(); }), failure::kDatabase);
  EXPECT_EQ(connection_->Errors()[0].NativeError, 2627);
  rs.Fields("Clave").SetValue("b");
  rs.Update();
  EXPECT_EQ(connection_->Execute("SELECT COUNT(*) AS n FROM U")->Fields("n").Value(), Variant(2));
}

TEST_F(RecordsetTest, ReadOnlyAndUnconvertibleAssignmentsAreRefused) {
  connection_->Execute("INSERT INTO R (Nombre) VALUES ('x')");
  Recordset ro;
  ro.Open("SELECT * FROM R", *connection_);
  EXPECT_EQ(FailureOf([&] { ro.Fields("Nombre").SetValue("y"); }), 3251);
  EXPECT_EQ(FailureOf([&] { ro.AddNew(); }), 3251);

  Recordset rw;
  rw.Open("SELECT Nombre, Importe * 2 AS Doble FROM R", *connection_, adOpenKeyset, adLockOptimistic);
  EXPECT_EQ(FailureOf([&] { rw.Fields("Doble").SetValue(1); }), -2147217887);
  Recordset dates;
  dates.Open("SELECT Fecha FROM R", *connection_, adOpenDynamic, adLockOptimistic);
  EXPECT_EQ(FailureOf([&] { dates.Fields("Fecha").SetValue("no es fecha"); }), -2147217887);
}

TEST_F(RecordsetTest, StatementWithoutRowsLeavesTheRecordsetClosed) {
  Recordset rs;
  rs.Open("UPDATE R SET Nombre = 'z'", *connection_);
  EXPECT_EQ(rs.State(), adStateClosed);
  EXPECT_EQ(FailureOf([&] { rs.Open("SELECT * FROM Nada", *connection_); }), failure::kDatabase);
  EXPECT_EQ(connection_->Errors()[0].NativeError, 208);
  EXPECT_EQ(rs.State(), adStateClosed);
}

}  // namespace
}  // namespace tramvel::ado
