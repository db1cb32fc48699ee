#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FailureOf.h"
#include "platform/Failure.h"
#include "upgrade/LotesDeScript.h"

namespace tramvel {
namespace {

std::vector<std::string> Lotes(std::string_view texto) {
  LotesDeScript lotes;
  for (const std::string_view linea : LineasDeTexto(texto)) lotes.Agregar(linea);
  return lotes.Lotes();
}

TEST(LotesDeScript, CutsAtGoLinesOnly) {
  struct Case {
    const char* script;
    std::vector<std::string> lotes;
  } const cases[] = {
      {"", {""}},
      {"SELECT 1", {"SELECT 1\r\n"}},
      {"A\r\nB\r\n", {"A\r\nB\r\n"}},
      {"A\r\ngo\r\nB", {"A\r\n", "B\r\n"}},
      {"A\r\n  GO  \r\nB", {"A\r\n", "B\r\n"}},
      {"A\r\nGo\r\nB", {"A\r\n", "B\r\n"}},
      {"A\r\nGO 5\r\nGOTO x\r\nB", {"A\r\nGO 5\r\nGOTO x\r\nB\r\n"}},
      {"A\r\nGO\r\n", {"A\r\n", ""}},
      {"A\r\nGO\r\nGO\r\nB", {"A\r\n", "", "B\r\n"}},
      {"GO\r\nA", {"", "A\r\n"}},
      // A lone CR ends a line, and so does a lone LF; CR LF is one line end.
      {"A\rGO\rB", {"A\r\n", "B\r\n"}},
      {"A\r\r\nB", {"A\r\n\r\nB\r\n"}},
      {"A\nGO\nB\n", {"A\r\n", "B\r\n"}},
      {"A\r\nGO\nB\rC\n\nGO\r\n", {"A\r\n", "B\r\nC\r\n\r\n", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lotes(c.script), c.lotes) << c.script;
}

TEST(LotesDeScript, TurnsEachByteOrderMarkIntoABlank) {
  EXPECT_EQ(Lotes("\xEF\xBB\xBF" "CREATE TABLE A (a int)\r\nGO\r\nSELECT '\xEF\xBB\xBF\xEF\xBB\xBF'"),
            (std::vector<std::string>{" CREATE TABLE A (a int)\r\n", "SELECT '  '\r\n"}));
}

TEST(LotesDeScript, MoreSeparatorsThanA16BitIndexHoldsOverflow) {
  LotesDeScript lotes;
  for (int i = 0; i < 32767; ++i) lotes.Agregar("GO");
  ASSERT_EQ(lotes.Lotes().size(), 32768u);
  EXPECT_EQ(testing::FailureOf([&] { lotes.Agregar("GO"); }), failure::kOverflow);
  lotes.Agregar("SELECT 1");
  EXPECT_EQ(lotes.Lotes().size(), 32768u);
  EXPECT_EQ(lotes.Lotes().back(), "SELECT 1\r\n");
}

}  // namespace
}  // namespace tramvel
