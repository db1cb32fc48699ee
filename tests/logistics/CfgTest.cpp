#include <gtest/gtest.h>

#include "EmbeddedFixture.h"
#include "platform/MessageBoxStyle.h"
#include "ado/Connection.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::testing {
namespace {

// A connected object on an embedded database whose TA_CONFIGURACION has no
// row yet.
class CfgTest : public EmbeddedFixture {
 protected:
  CfgTest() { Run("CREATE TABLE TA_CONFIGURACION (FHUPDATE DATETIME NULL, ssl_depositodefault NVARCHAR(4) NULL)"); }
};

TEST_F(CfgTest, AnEmptyTableGivesTheEmptyText) {
  EXPECT_EQ(dll.Cfg("FHUPDATE"), "");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(CfgTest, AStoredValueComesBackTrimmedAndNullAsTheEmptyText) {
  Run("INSERT INTO TA_CONFIGURACION VALUES ('02/07/2004', '  01 ')");
  EXPECT_EQ(dll.Cfg("ssl_depositodefault"), "01");
  EXPECT_EQ(dll.Cfg("FHUPDATE"), "02/07/2004");
  Run("UPDATE TA_CONFIGURACION SET ssl_depositodefault = NULL");
  EXPECT_EQ(dll.Cfg("ssl_depositodefault"), "");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(CfgTest, AnUnknownColumnIsShownAsCfgAndAbortGivesTheEmptyText) {
  Run("INSERT INTO TA_CONFIGURACION VALUES ('02/07/2004', '01')");
  platform.Operator().QueueAnswers({mb::kRetry, mb::kAbort});
  EXPECT_EQ(dll.Cfg("NO_EXISTE"), "");
  ASSERT_EQ(platform.Operator().Boxes().size(), 2u);
  for (const Box& box : platform.Operator().Boxes()) {
    EXPECT_EQ(box.title, "CFG");
    EXPECT_EQ(box.style & 0x0F, mb::kAbortRetryIgnore);
    EXPECT_NE(box.text.find("Invalid column name 'NO_EXISTE'."), std::string::npos) << box.text;
  }
}

TEST_F(CfgTest, OnlyAnIdentifierNamesTheColumn) {
  Run("INSERT INTO TA_CONFIGURACION VALUES ('02/07/2004', '01')");
  for (const char* campo : {"1; DELETE FROM TA_CONFIGURACION; --", "FHUPDATE FROM TA_CONFIGURACION; DELETE", "a b",
                            "[FHUPDATE]", "9X", ""}) {
    TestPlatform local(temp.str());
    local.SetProgramFolder(temp.str());
    local.SetEnv("TRAMVEL_INI", std::nullopt);
    Dll_SYD object(local);
    object.gServidor = "LOCAL";
    object.gDBName = "GESTION";
    object.OpenADOServer();
    EXPECT_EQ(object.Cfg(campo), "") << campo;
    ASSERT_FALSE(local.Operator().Boxes().empty()) << campo;
    EXPECT_EQ(local.Operator().Boxes()[0].title, "CFG");
    EXPECT_NE(local.Operator().Boxes()[0].text.find("no es un identificador"), std::string::npos) << local.Operator().Boxes()[0].text;
  }
  EXPECT_EQ(dll.Cfg("ssl_depositodefault"), "01");
  for (const char* campo : {"FHUPDATE", "_x", "@a#b$1", "año"}) EXPECT_TRUE(Dll_SYD::EsNombreDeColumna(campo)) << campo;
}

}  // namespace
}  // namespace tramvel::testing
