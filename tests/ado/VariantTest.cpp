#include "ado/Variant.h"

#include <gtest/gtest.h>

#include <optional>

#include "FailureOf.h"
#include "platform/Failure.h"
#include "ado/ColumnType.h"

namespace tramvel::ado {
namespace {

using testing::FailureOf;

TEST(VariantTest, TextFormsAreVbs) {
  EXPECT_EQ(Variant().ToText(), "");
  EXPECT_EQ(Variant(0.1).ToText(), "0.1");
  EXPECT_EQ(Variant(2.5).ToText(), "2.5");
  EXPECT_EQ(Variant(1e20).ToText(), "1E+20");
  EXPECT_EQ(Variant(0.00001).ToText(), "1E-05");
  EXPECT_EQ(Variant(123456789012345.0).ToText(), "123456789012345");
  EXPECT_EQ(Variant(-0.0).ToText(), "0");
  EXPECT_EQ(Variant(42).ToText(), "42");
  EXPECT_EQ(Variant(true).ToText(), "True");
  EXPECT_EQ(Variant(Currency::FromRaw(15000)).ToText(), "1.5");
  EXPECT_EQ(Variant(DateTime{2014, 5, 6, 18, 37, 5}).ToText(), "06/05/2014 18:37:05");
  EXPECT_EQ(Variant(DateTime{2014, 5, 6}).ToText(), "06/05/2014");
  EXPECT_EQ(Variant(DateTime{1899, 12, 30, 9, 5, 3}).ToText(), "09:05:03");
  EXPECT_EQ(FailureOf([] { Variant::Null().ToText(); }), 94);
}

TEST(VariantTest, NumbersFromValues) {
  EXPECT_EQ(Variant("1.5").ToDouble(), 1.5);
  EXPECT_EQ(Variant(" -.5 ").ToDouble(), -0.5);
  EXPECT_EQ(Variant(true).ToDouble(), -1);
  EXPECT_EQ(Variant().ToDouble(), 0);
  EXPECT_EQ(Variant(DateTime{2014, 5, 6, 12, 0, 0}).ToDouble(), 41765.5);
  EXPECT_EQ(Variant(2.5).ToInteger(), 2);
  EXPECT_EQ(Variant(3.5).ToInteger(), 4);
  EXPECT_EQ(Variant("-2.5").ToInteger(), -2);
  EXPECT_EQ(Variant("1.23445").ToCurrency(), Currency::FromRaw(12344));
  EXPECT_TRUE(Variant("TRUE").ToBoolean());
  EXPECT_FALSE(Variant("0").ToBoolean());
  EXPECT_EQ(FailureOf([] { Variant("abc").ToDouble(); }), 13);
  EXPECT_EQ(FailureOf([] { Variant("").ToDouble(); }), 13);
  EXPECT_EQ(FailureOf([] { Variant::Null().ToDouble(); }), 94);
  EXPECT_EQ(FailureOf([] { Variant(1e300).ToInteger(); }), failure::kOverflow);
}

struct DateCase {
  const char* text;
  std::optional<DateTime> date;
};

TEST(VariantTest, DatesReadFromIsoAndDayMonthYearText) {
  const DateCase cases[] = {
      {"06/05/2014", DateTime{2014, 5, 6}},
      {"6/5/2014 18:37", DateTime{2014, 5, 6, 18, 37, 0}},
      {"06/05/2014 18:37:05", DateTime{2014, 5, 6, 18, 37, 5}},
      {"06/05/14", DateTime{2014, 5, 6}},
      {"06/05/45", DateTime{1945, 5, 6}},
      {"2014-05-06", DateTime{2014, 5, 6}},
      {"2014-05-06 18:37:05", DateTime{2014, 5, 6, 18, 37, 5}},
      {"2014-05-06T18:37:05.123", DateTime{2014, 5, 6, 18, 37, 5}},
      {"20140506", DateTime{2014, 5, 6}},
      {"18:37:05", DateTime{1899, 12, 30, 18, 37, 5}},
      {" 29/02/2012 ", DateTime{2012, 2, 29}},
      {"29/02/2013", std::nullopt},
      {"31/04/2014", std::nullopt},
      {"06/05/2014 25:00", std::nullopt},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"2014", std::nullopt},
  };
  for (const DateCase& c : cases) EXPECT_EQ(ParseDateText(c.text), c.date) << c.text;
}

TEST(VariantTest, SerialDatesRoundTrip) {
  DateTime d{2014, 5, 6, 18, 37, 5};
  EXPECT_EQ(SerialToDate(DateToSerial(d)), d);
  EXPECT_EQ(SerialToDate(0), (DateTime{1899, 12, 30}));
  EXPECT_EQ(SerialToDate(-1.25), (DateTime{1899, 12, 29, 6, 0, 0}));
}

TEST(VariantTest, EqualityNeedsTheSameType) {
  EXPECT_EQ(Variant("a"), Variant(std::string("a")));
  EXPECT_NE(Variant(1), Variant(1.0));
  EXPECT_NE(Variant(), Variant::Null());
  EXPECT_EQ(Variant::Null(), Variant::Null());
}

struct SizeCase {
  const char* declared;
  ColumnKind kind;
  int32_t size;
};

TEST(ColumnTypeTest, KindAndDefinedSizeFromTheDeclaredType) {
  const SizeCase cases[] = {
      {"varchar(40)", ColumnKind::kText, 40},
      {"NVARCHAR (4)", ColumnKind::kText, 4},
      {"char", ColumnKind::kText, 1},
      {"varchar(2147483647)", ColumnKind::kText, 2147483647},
      {"varchar(max)", ColumnKind::kText, 2147483647},
      {"text", ColumnKind::kText, 2147483647},
      {"int", ColumnKind::kInteger, 4},
      {"INTEGER", ColumnKind::kInteger, 4},
      {"smallint", ColumnKind::kInteger, 2},
      {"bigint", ColumnKind::kInteger, 8},
      {"datetime", ColumnKind::kDate, 8},
      {"smalldatetime", ColumnKind::kDate, 4},
      {"money", ColumnKind::kCurrency, 8},
      {"smallmoney", ColumnKind::kCurrency, 4},
      {"bit", ColumnKind::kBoolean, 2},
      {"float", ColumnKind::kDouble, 8},
      {"numeric(18, 2)", ColumnKind::kDouble, 19},
      // The embedded engine's exact numbers: Currency wherever Currency holds every value.
      {"MONEY TEXT", ColumnKind::kCurrency, 8},
      {"DECIMAL TEXT(10, 4)", ColumnKind::kCurrency, 19},
      {"", ColumnKind::kUnknown, 0},
  };
  for (const SizeCase& c : cases) {
    ColumnType type = ColumnTypeOf(c.declared);
    EXPECT_EQ(type.kind, c.kind) << c.declared;
    EXPECT_EQ(type.definedSize, c.size) << c.declared;
  }
}

}  // namespace
}  // namespace tramvel::ado
