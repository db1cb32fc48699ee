#include <gtest/gtest.h>

#include "EmbeddedFixture.h"
#include "platform/MessageBoxStyle.h"

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
  EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(CfgTest, AStoredValueComesBackTrimmedAndNullAsTheEmptyText) {
  Run("INSERT INTO TA_CONFIGURACION VALUES ('02/07/2004', '  01 ')");
  EXPECT_EQ(dll.Cfg("ssl_depositodefault"), "01");
  EXPECT_EQ(dll.Cfg("FHUPDATE"), "02/07/2004");
  Run("UPDATE TA_CONFIGURACION SET ssl_depositodefault = NULL");
  EXPECT_EQ(dll.Cfg("ssl_depositodefault"), "");
  EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(CfgTest, AnUnknownColumnIsShownAsCfgAndAbortGivesTheEmptyText) {
  Run("INSERT INTO TA_CONFIGURACION VALUES ('02/07/2004', '01')");
  platform.QueueAnswers({mb::kRetry, mb::kAbort});
  EXPECT_EQ(dll.Cfg("NO_EXISTE"), "");
  ASSERT_EQ(platform.Boxes().size(), 2u);
  for (const Box& box : platform.Boxes()) {
    EXPECT_EQ(box.title, "CFG");
    EXPECT_EQ(box.style & 0x0F, mb::kAbortRetryIgnore);
    EXPECT_NE(box.text.find("Invalid column name 'NO_EXISTE'."), std::string::npos) << box.text;
  }
}

}  // namespace
}  // namespace tramvel::testing
