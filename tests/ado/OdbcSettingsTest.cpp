#include "ado/odbc/OdbcSettings.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/Failure.h"
#include "ado/odbc/OdbcCatalog.h"

namespace tramvel::ado {
namespace {

struct TextCase {
  const char* name;
  std::map<std::string, std::string> ini;  // keys of [BaseDeDatos]
  SessionTarget target;
  const char* engine;
  const char* text;
};

DatabaseConfig ConfigOf(const std::map<std::string, std::string>& ini) {
  return ReadDatabaseConfig([&](const std::string& key, const std::string& fallback) {
    auto found = ini.find(key);
    return found == ini.end() ? fallback : found->second;
  });
}

const SessionTarget kSession{"SRV01", "GESTION", "ana", "clave", ""};
const char* const kOracleText = "Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=ana;Password=p;w;";

class ConnectionTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ConnectionTextTest, BuildsTheOdbcConnectionText) {
  const TextCase& c = GetParam();
  const DatabaseConfig config = ConfigOf(c.ini);
  EXPECT_EQ(EngineName(config, c.target.connectionText), c.engine);
  EXPECT_EQ(OdbcConnectionText(config, c.target), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Motors, ConnectionTextTest,
    ::testing::Values(
        TextCase{"FreeTdsByDefault", {{"Motor", "sqlserver"}}, kSession, "SQLSERVER",
                 "Driver={FreeTDS};Server=SRV01;Database=GESTION;UID=ana;PWD=clave;"},
        TextCase{"PortOfHostPort", {{"Motor", "SQLSERVER"}}, {"TCP/SRV01:1433", "GESTION", "ana", "clave", ""},
                 "SQLSERVER", "Driver={FreeTDS};Server=SRV01;Port=1433;Database=GESTION;UID=ana;PWD=clave;"},
        TextCase{"VendorDriverAndInstance",
                 {{"Motor", "SQLSERVER"}, {"Driver", "ODBC Driver 18 for SQL Server"}},
                 {"SRV01\\SQL2019", "GESTION", "ana", "clave", ""}, "SQLSERVER",
                 "Driver={ODBC Driver 18 for SQL Server};Server=SRV01\\SQL2019;Database=GESTION;UID=ana;PWD=clave;"},
        TextCase{"BracesAroundAwkwardValues", {{"Motor", "SQLSERVER"}},
                 {"SRV01", "GESTION", "ana", "a;b}c", ""}, "SQLSERVER",
                 "Driver={FreeTDS};Server=SRV01;Database=GESTION;UID=ana;PWD={a;b}}c};"},
        // The start-up text wins, read as OLE DB reads it: its unquoted "p;w" is "p".
        TextCase{"OracleFromTheStartUpText", {}, {"ORCL", "OTRA", "luis", "p;w", kOracleText}, "ORACLE",
                 "Driver={Oracle};DBQ=ORCL;UID=ana;PWD=p;"},
        TextCase{"OracleMotorWithItsDriver", {{"Motor", "ORACLE"}, {"DriverOracle", "Oracle 21 ODBC driver"}},
                 kSession, "ORACLE", "Driver={Oracle 21 ODBC driver};DBQ=GESTION;UID=ana;PWD=clave;"},
        TextCase{"OdbcCadenaWhole", {{"Motor", "ODBC"}, {"Cadena", "DSN=Gestion;UID=x;PWD=y;"}}, kSession, "ODBC",
                 "DSN=Gestion;UID=x;PWD=y;"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ConnectionTextTest, MotorDefaultsToTheEmbeddedEngine) {
  const DatabaseConfig config = ConfigOf({});
  EXPECT_EQ(config.motor, "SQLITE");
  EXPECT_EQ(config.driver, "FreeTDS");
  EXPECT_EQ(EngineName(config, ""), "SQLITE");
  EXPECT_THROW(OdbcConnectionText(config, kSession), Failure);
}

TEST(ConnectionTextTest, OdbcWithoutCadenaSaysWhatIsMissing) {
  try {
    OdbcConnectionText(ConfigOf({{"Motor", "ODBC"}}), kSession);
    FAIL() << "no failure";
  } catch (const Failure& f) {
    EXPECT_EQ(f.Number(), failure::kInvalidCall);
    EXPECT_NE(f.Description().find("Cadena"), std::string::npos) << f.Description();
  }
}

TEST(ConnectionTextTest, ReadsAValueBackAsTheTextHoldsIt) {
  const std::string text = "Driver={FreeTDS};Server=SRV01;Database=" + QuoteOdbcValue("a;b}c") + ";UID='ana';";
  EXPECT_EQ(ConnectionTextValue(text, {"DATABASE"}), "a;b}c");
  EXPECT_EQ(ConnectionTextValue(text, {"User Id", "uid"}), "ana");
  EXPECT_EQ(ConnectionTextValue(text, {"PWD"}), std::nullopt);
}

struct TableCase {
  const char* name;
  const char* select;
  const char* table;  // "" when the rows cannot be written back
};

class SingleTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(SingleTableTest, FindsTheOneTableASelectReads) {
  EXPECT_EQ(odbc::SingleTableOf(GetParam().select), GetParam().table);
}

INSTANTIATE_TEST_SUITE_P(
    Selects, SingleTableTest,
    ::testing::Values(TableCase{"Bare", "SELECT * FROM TA_CONFIGURACION", "TA_CONFIGURACION"},
                      TableCase{"HintAndWhere", "select Clave, Valor from dbo.Ta_Usuarios with(nolock, index(1)) "
                                                "where Clave = 'a, b'",
                                "dbo.Ta_Usuarios"},
                      TableCase{"Bracketed", "SELECT [Id] FROM [dbo].[MA ARTICULOS] ORDER BY Id",
                                "[dbo].[MA ARTICULOS]"},
                      TableCase{"Join", "SELECT * FROM A JOIN B ON A.x = B.x", ""},
                      TableCase{"TwoTables", "SELECT * FROM A, B", ""},
                      TableCase{"SubQuery", "SELECT * FROM A WHERE x IN (SELECT x FROM B)", ""},
                      TableCase{"Distinct", "SELECT DISTINCT x FROM A", ""},
                      TableCase{"NoFrom", "SELECT 1", ""}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tramvel::ado
