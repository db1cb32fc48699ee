#include <gtest/gtest.h>

#include "RemoteNames.h"

namespace tramvel::zariz {
namespace {

TEST(ZarizParseNameListTest, KeepsEachLineOnceLeavingOutTheFolderItself) {
  EXPECT_EQ(ParseNameList("b.csv\r\na b.csv\r\n.\r\n..\r\n\r\nweb/c.csv\n../../etc/passwd\nb.csv"),
            (std::vector<std::string>{"../../etc/passwd", "a b.csv", "b.csv", "web/c.csv"}));
  EXPECT_TRUE(ParseNameList("").empty());
}

TEST(ZarizWhyNotFetchedTest, RefusesWhatCouldLeaveTheFolderOrChangeACommand) {
  for (const char* plain : {"MA_CLIENTES.csv", "MA CLIENTES #1.csv", "vacío.txt", "a..b", ".hidden", "TESTIGO.csv"}) {
    EXPECT_EQ(WhyNotFetched(plain), "") << plain;
  }
  const struct {
    std::string name;
    const char* why;
  } refused[] = {
      {"../x", "barra"},
      {"web/c.csv", "barra"},
      {"..\\..\\victim.txt", "barra"},
      {"nota.txt;PROXY=127.0.0.1:21600", "\";\""},
      {"a\rb", "control"},
      {std::string("a\0b", 3), "control"},
      {"a\tb", "control"},
      {"MA_CLIENTES.csv ", "blanco"},
      {" MA_CLIENTES.csv", "blanco"},
      {".zariz", "reservado"},
      {"testigo", "reservado"},
  };
  for (const auto& c : refused) EXPECT_NE(WhyNotFetched(c.name).find(c.why), std::string::npos) << Printable(c.name);
}

TEST(ZarizPrintableTest, WritesControlCharactersOut) {
  EXPECT_EQ(Printable(std::string("a\r\nb\0ñ", 7)), "a\\x0D\\x0Ab\\x00ñ");
}

TEST(ZarizPartNameTest, MarksAFileOnItsWay) {
  EXPECT_EQ(PartName("A.csv"), "A.csv.zariz-part");
  EXPECT_TRUE(IsPartName("A.csv.zariz-part"));
  EXPECT_FALSE(IsPartName("A.csv"));
  EXPECT_FALSE(IsPartName(".zariz-part"));
}

}  // namespace
}  // namespace tramvel::zariz
