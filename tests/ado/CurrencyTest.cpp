#include "ado/Currency.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "FailureOf.h"
#include "platform/Failure.h"

namespace tramvel {
namespace {

struct ParseCase {
  const char* text;
  int64_t raw;
};

TEST(CurrencyTest, TextRoundsToFourDecimalsHalfToEven) {
  const ParseCase cases[] = {
      {"1.23445", 12344},   {"1.23455", 12346},   {"-1.23445", -12344}, {"2.00005", 20000},
      {"2.00015", 20002},   {"0.00005", 0},       {"0.000051", 1},      {" 12.5 ", 125000},
      {"1E3", 10000000},    {"-0.00015", -2},     {"7", 70000},         {"0.99995", 10000},
      {"922337203685477.5807", std::numeric_limits<int64_t>::max()},
      {"-922337203685477.5808", std::numeric_limits<int64_t>::min()},
  };
  for (const ParseCase& c : cases) {
    auto amount = Currency::Parse(c.text);
    ASSERT_TRUE(amount.has_value()) << c.text;
    EXPECT_EQ(amount->Raw(), c.raw) << c.text;
  }
  EXPECT_FALSE(Currency::Parse("abc").has_value());
  EXPECT_FALSE(Currency::Parse("").has_value());
  EXPECT_FALSE(Currency::Parse("1.2.3").has_value());
}

TEST(CurrencyTest, DoubleRoundsItsDecimalValueHalfToEven) {
  EXPECT_EQ(Currency::FromDouble(1.23445).Raw(), 12344);
  EXPECT_EQ(Currency::FromDouble(1.23455).Raw(), 12346);
  EXPECT_EQ(Currency::FromDouble(0.125).Raw(), 1250);
  EXPECT_EQ(Currency::FromDouble(-2.5).Raw(), -25000);
}

TEST(CurrencyTest, OverflowIsFailureSix) {
  auto overflows = [](const std::function<void()>& f) { return testing::FailureOf(f) == failure::kOverflow; };
  EXPECT_TRUE(overflows([] { Currency::Parse("922337203685477.5808"); }));
  EXPECT_TRUE(overflows([] { Currency::FromInteger(922337203685478); }));
  EXPECT_TRUE(overflows([] { Currency::FromDouble(1e16); }));
  EXPECT_TRUE(overflows([] { Currency::FromRaw(std::numeric_limits<int64_t>::max()) + Currency::FromRaw(1); }));
  EXPECT_TRUE(overflows([] { Currency::FromInteger(1000000000) * Currency::FromInteger(1000000000); }));
}

TEST(CurrencyTest, ProductRoundsHalfToEven) {
  // 1.5 x 1.0001 = 1.50015 -> 1.5002; 1.5 x 1.0003 = 1.50045 -> 1.5004
  EXPECT_EQ((Currency::FromRaw(15000) * Currency::FromRaw(10001)).Raw(), 15002);
  EXPECT_EQ((Currency::FromRaw(15000) * Currency::FromRaw(10003)).Raw(), 15004);
  EXPECT_EQ((Currency::FromRaw(-15000) * Currency::FromRaw(10001)).Raw(), -15002);
}

TEST(CurrencyTest, TextFormIsVbs) {
  EXPECT_EQ(Currency::FromRaw(15000).ToString(), "1.5");
  EXPECT_EQ(Currency::FromRaw(-2500).ToString(), "-0.25");
  EXPECT_EQ(Currency().ToString(), "0");
  EXPECT_EQ(Currency::FromRaw(std::numeric_limits<int64_t>::min()).ToString(), "-922337203685477.5808");
  EXPECT_EQ(Currency::FromRaw(25000).ToInteger(), 2);  // 2.5 -> 2
  EXPECT_EQ(Currency::FromRaw(35000).ToInteger(), 4);  // 3.5 -> 4
}

}  // namespace
}  // namespace tramvel
