#include <gtest/gtest.h>

#include <vector>

#include "FailureOf.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "common/components/SesionDatos.h"
#include "platform/MessageBoxStyle.h"
#include "ado/OpenConnection.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::testing {
namespace {

// An embedded server "LOCAL" holding the database "GESTION" under the
// configured folder.
class Sesion : public ::testing::Test {
 protected:
  Sesion() {
    platform.SetProgramFolder(temp.str());
    platform.SetEnv("TRAMVEL_INI", std::nullopt);
    WriteFile(temp.path() / "RO000vu.INI", "[BaseDeDatos]\nMotor=sqlite\nCarpeta=C:\\DATOS\\\n");
    ado::CreateSqliteDatabase(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
    sesion.Servidor("LOCAL");
    sesion.BaseDeDatos("GESTION");
    sesion.Usuario("sa");
    sesion.Password("x");
  }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  SesionDatos sesion{platform};
};

TEST_F(Sesion, ConnectsToTheEmbeddedDatabaseAndRunsSql) {
  sesion.Conectar(false, 3, "", true, true);
  ASSERT_TRUE(sesion.Conectado());
  EXPECT_EQ(sesion.Motor(), "SQLITE");
  sesion.Ejecutar("CREATE TABLE MA_CLIENTES (Codigo varchar(10), Nombre varchar(40))");
  sesion.Ejecutar("INSERT INTO MA_CLIENTES VALUES ('C1', " + sesion.ValorSQL(ado::Variant("O'Brien'); DROP TABLE x; --")) + ")");
  std::unique_ptr<ado::Recordset> rs;
  sesion.AbrirRecordset("SELECT Nombre FROM ma_clientes", rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
  ASSERT_FALSE(rs->Eof());
  EXPECT_EQ(rs->Fields("NOMBRE").Value().ToText(), "O'Brien'); DROP TABLE x; --");
  EXPECT_EQ(rs->Fields("Nombre").DefinedSize(), 40);
  sesion.CerrarRecordset(rs);
  EXPECT_EQ(rs, nullptr);
  EXPECT_TRUE(sesion.ExisteTabla("MA_CLIENTES"));
  EXPECT_FALSE(sesion.ExisteTabla("MA_NADA"));
}

TEST_F(Sesion, ValorSqlKeepsEveryValueInsideItsLiteral) {
  EXPECT_EQ(sesion.ValorSQL(ado::Variant("it's")), "'it''s'");
  EXPECT_EQ(sesion.ValorSQL(ado::Variant::Null()), "NULL");
  EXPECT_EQ(sesion.ValorSQL(ado::Variant(42)), "42");
  EXPECT_EQ(sesion.ValorSQL(ado::Variant("a\"b"), "\""), "\"a\"\"b\"");
  sesion.Conectar(false, 3, "", true, true);
  EXPECT_EQ(sesion.ValorSQL(ado::Variant("it's")), "'it''s'");
}

TEST_F(Sesion, CrearCampoAddsAMissingColumnAndLeavesAnExistingOne) {
  sesion.Conectar(false, 3, "", true, true);
  sesion.Ejecutar("CREATE TABLE TA_CONFIGURACION (Clave varchar(50))");
  sesion.Ejecutar("INSERT INTO TA_CONFIGURACION (Clave) VALUES ('k')");
  EXPECT_EQ(sesion.CrearCampo("TA_CONFIGURACION", "AforoKgxM3", true, "MONEY", true, ado::Variant(0)), -1);
  EXPECT_EQ(sesion.CrearCampo("TA_CONFIGURACION", "Flag", true, "VARCHAR(1)", true, ado::Variant("1")), -1);
  EXPECT_EQ(sesion.CrearCampo("ta_configuracion", "CLAVE", true, "INT", true), 0);
  EXPECT_TRUE(sesion.ExisteCampo("TA_CONFIGURACION", "aforokgxm3"));
  std::unique_ptr<ado::Recordset> rs;
  sesion.AbrirRecordset("SELECT Flag, Clave FROM TA_CONFIGURACION", rs, nullptr, 0, 1);
  EXPECT_EQ(rs->Fields("Flag").Value().ToText(), "1");
  EXPECT_EQ(rs->Fields("Clave").Value().ToText(), "k");
}

TEST_F(Sesion, AMissingDatabaseIsToldOnlyWhenAsked) {
  sesion.BaseDeDatos("NOEXISTE");
  sesion.Conectar(false, 3, "", true, false);
  EXPECT_FALSE(sesion.Conectado());
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  sesion.Conectar(false, 3, "", true, true);
  EXPECT_FALSE(sesion.Conectado());
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("Cannot open database \"NOEXISTE\""), std::string::npos);
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kOkOnly + mb::kCritical);
  EXPECT_THROW(sesion.Conexion(), Failure);
}

TEST_F(Sesion, AnOdbcEngineWithoutItsConnectionTextIsAClearError) {
  WriteFile(temp.path() / "RO000vu.INI", "[BaseDeDatos]\nMotor=ODBC\n");
  sesion.Conectar(false, 3, "", true, true);
  EXPECT_FALSE(sesion.Conectado());
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("clave Cadena"), std::string::npos)
      << platform.Operator().Boxes()[0].text;
}

// A server engine is reached at the port the launch parameter wrote, and the
// session names its engine as the suite does.
TEST_F(Sesion, AServerEngineGetsTheServerAsWrittenAndNamesItself) {
  WriteFile(temp.path() / "RO000vu.INI", "[BaseDeDatos]\nMotor=sqlserver\nDriver=FreeTDS\n");
  std::vector<ado::ConnectionSettings> pedidos;
  SesionDatos grabada(platform, [&](const ado::ConnectionSettings& ajustes) {
    pedidos.push_back(ajustes);
    return std::unique_ptr<ado::Connection>();
  });
  grabada.Servidor("SRV01");
  grabada.ServidorEscrito("SRV01:1433");
  grabada.BaseDeDatos("GESTION");
  grabada.Conectar(false, 3, "", true, false);
  ASSERT_EQ(pedidos.size(), 1u);
  EXPECT_EQ(pedidos[0].engine, "SQLSERVER");
  EXPECT_EQ(pedidos[0].server, "SRV01:1433");
  EXPECT_EQ(pedidos[0].serverFolderNative, "");
  EXPECT_EQ(grabada.Motor(), "SQLSERVER");
  grabada.CadenaConexion("Provider=OraOLEDB.Oracle.1;Data Source=GESTION;");
  EXPECT_EQ(grabada.Motor(), "ORACLE");
}

TEST_F(Sesion, TheOpenerGetsWhatTheSessionConnectsWith) {
  std::vector<ado::ConnectionSettings> pedidos;
  SesionDatos grabada(platform, [&](const ado::ConnectionSettings& ajustes) {
    pedidos.push_back(ajustes);
    return ado::OpenConnection(ajustes);
  });
  grabada.Servidor("LOCAL");
  grabada.BaseDeDatos("GESTION");
  grabada.Usuario("sa");
  grabada.Password("x");
  grabada.Conectar(false, 3, "", true, true);
  EXPECT_TRUE(grabada.Conectado());
  grabada.Conectar(false, 3, "Provider=OraOLEDB.Oracle.1;", true, false);
  EXPECT_FALSE(grabada.Conectado());
  ASSERT_EQ(pedidos.size(), 2u);
  EXPECT_EQ(pedidos[0].engine, "SQLITE");
  EXPECT_EQ(pedidos[0].serverFolderNative, platform.NativePath("C:\\DATOS\\LOCAL"));
  EXPECT_EQ(pedidos[0].server, "LOCAL");
  EXPECT_EQ(pedidos[0].database, "GESTION");
  EXPECT_EQ(pedidos[0].user, "sa");
  EXPECT_EQ(pedidos[0].password, "x");
  EXPECT_EQ(pedidos[0].connectionText, "");
  EXPECT_EQ(pedidos[1].connectionText, "Provider=OraOLEDB.Oracle.1;");
  EXPECT_EQ(pedidos[1].engine, "ORACLE");
}

TEST_F(Sesion, ADatabaseErrorFillsTheErrorListAndRaises) {
  sesion.Conectar(false, 3, "", true, true);
  EXPECT_EQ(FailureOf([&] { sesion.Ejecutar("SELECT * FROM NO_TABLE"); }), failure::kDatabase);
  ASSERT_EQ(sesion.Conexion().Errors().Count(), 1u);
  EXPECT_EQ(sesion.Conexion().Errors()[0].NativeError, 208);
  EXPECT_EQ(sesion.Conexion().Errors()[0].Description, "Invalid object name 'NO_TABLE'.");
}

}  // namespace
}  // namespace tramvel::testing
