#include "ado/sqlite/PaddedText.h"

#include <gtest/gtest.h>

namespace tramvel::ado::sqlite {
namespace {

TEST(PaddedTextTest, ComparesAsTheServerDoesTrailingBlanksAside) {
  struct Case {
    const char* a;
    const char* b;
    int order;
  } const cases[] = {
      {"sa", "SA ", 0},
      {"sa  ", "sa", 0},
      {"", "   ", 0},
      {"a", "b", -1},
      {"B", "a", 1},
      {"ab", "ab!", -1},
      {"ab ", "ab!", -1},
      {" a", "a", -1},          // leading blanks count
      {"\xC3\x91", "\xC3\xB1", -1},  // beyond ASCII, as SQLite's NOCASE: Ñ before ñ
  };
  for (const Case& c : cases) EXPECT_EQ(ComparePaddedTexts(c.a, c.b), c.order) << '"' << c.a << "\" \"" << c.b << '"';
}

}  // namespace
}  // namespace tramvel::ado::sqlite
