#include <gtest/gtest.h>

#include "RemoteNames.h"

namespace tramvel::zariz {
namespace {

TEST(ZarizParseNameListTest, KeepsPlainNamesOnceEachWhateverTheServerWrites) {
  EXPECT_EQ(ParseNameList("b.csv\r\na b.csv\r\n.\r\n..\r\n\r\nweb/c.csv\n../../etc/passwd\nb.csv"),
            (std::vector<std::string>{"a b.csv", "b.csv", "c.csv", "passwd"}));
  EXPECT_TRUE(ParseNameList("").empty());
}

TEST(ZarizPartNameTest, MarksAFileOnItsWay) {
  EXPECT_EQ(PartName("A.csv"), "A.csv.zariz-part");
  EXPECT_TRUE(IsPartName("A.csv.zariz-part"));
  EXPECT_FALSE(IsPartName("A.csv"));
  EXPECT_FALSE(IsPartName(".zariz-part"));
}

}  // namespace
}  // namespace tramvel::zariz
