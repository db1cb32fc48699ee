#include "ado/sqlite/ExactNumbers.h"

#include <gtest/gtest.h>

namespace tramvel::ado::sqlite {
namespace {

TEST(ExactNumbersTest, ComparesDecimalTextsAsNumbers) {
  struct Case {
    const char* a;
    const char* b;
    int order;
  } const cases[] = {
      {"9.5", "10", -1},
      {"10", "9.5", 1},
      {"1.50", "1.5", 0},
      {"-1", "0", -1},
      {"-0.0", "0", 0},
      {"-2", "-10", 1},
      {"12345678901234.5678", "12345678901234.5677", 1},
      {"922337203685477.5807", "1.0e+15", -1},
      {"0.0001", ".001", -1},
      {"007", "7", 0},
      {"abc", "99999", 1},
      {"abc", "abd", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(CompareNumberTexts(c.a, c.b), c.order) << c.a << " " << c.b;
}

}  // namespace
}  // namespace tramvel::ado::sqlite
