// Values into the files' forms and back, exactly, whatever the site's
// regional settings.
#include <gtest/gtest.h>

#include <string>

#include "CsvValues.h"

namespace tramvel::interfaces {
namespace {

using ado::ColumnKind;
using ado::Variant;

struct RoundTrip {
  const char* name;
  ColumnKind kind;
  Variant value;
  CsvField text;
};

class CsvValueForms : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(CsvValueForms, WritesTheFormAndReadsTheSameValueBack) {
  CsvField written = "not yet";
  ASSERT_TRUE(ToCsvField(GetParam().value, GetParam().kind, written));
  EXPECT_EQ(written, GetParam().text);
  Variant read;
  ASSERT_TRUE(FromCsvField(written, GetParam().kind, read));
  EXPECT_EQ(read, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvValueForms,
    ::testing::Values(
        RoundTrip{"NullText", ColumnKind::kText, Variant::Null(), std::nullopt},
        RoundTrip{"EmptyText", ColumnKind::kText, Variant(""), ""},
        RoundTrip{"TextThatLooksLikeANumber", ColumnKind::kText, Variant("00123"), "00123"},
        RoundTrip{"NullDate", ColumnKind::kDate, Variant::Null(), std::nullopt},
        RoundTrip{"Integer", ColumnKind::kInteger, Variant(-32768), "-32768"},
        RoundTrip{"DoubleThatDecimalsCannotHold", ColumnKind::kDouble, Variant(0.1 + 0.2), "0.30000000000000004"},
        RoundTrip{"LargeDouble", ColumnKind::kDouble, Variant(1e20), "1e+20"},
        RoundTrip{"CurrencyToItsLastDecimal", ColumnKind::kCurrency, Variant(Currency::FromRaw(9223372036854775807)),
                  "922337203685477.5807"},
        RoundTrip{"NegativeCurrency", ColumnKind::kCurrency, Variant(Currency::FromRaw(-5)), "-0.0005"},
        RoundTrip{"DateAndTime", ColumnKind::kDate, Variant(DateTime{2014, 5, 6, 18, 37, 5}), "2014-05-06 18:37:05"},
        RoundTrip{"True", ColumnKind::kBoolean, Variant(true), "1"},
        RoundTrip{"False", ColumnKind::kBoolean, Variant(false), "0"}),
    [](const auto& test) { return std::string(test.param.name); });

struct Refused {
  const char* name;
  ColumnKind kind;
  const char* text;
};

class CsvValueRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(CsvValueRefusals, ReadsNoValueFromAFieldOfAnotherForm) {
  Variant read;
  EXPECT_FALSE(FromCsvField(std::string(GetParam().text), GetParam().kind, read));
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvValueRefusals,
                         ::testing::Values(Refused{"IntegerWithDecimals", ColumnKind::kInteger, "1.5"},
                                           Refused{"IntegerOutOfRange", ColumnKind::kInteger, "9223372036854775808"},
                                           Refused{"EmptyTextAsInteger", ColumnKind::kInteger, ""},
                                           Refused{"DecimalComma", ColumnKind::kDouble, "12,5"},
                                           Refused{"NotFinite", ColumnKind::kDouble, "inf"},
                                           Refused{"FifthDecimalOfCurrency", ColumnKind::kCurrency, "1.23455"},
                                           Refused{"CurrencyWithBlanks", ColumnKind::kCurrency, " 1.5"},
                                           Refused{"DayMonthYear", ColumnKind::kDate, "06/05/2014"},
                                           Refused{"ImpossibleDate", ColumnKind::kDate, "2014-02-30 00:00:00"},
                                           Refused{"BooleanWord", ColumnKind::kBoolean, "Verdadero"},
                                           Refused{"Binary", ColumnKind::kBinary, "00ff"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(CsvValueExport, RefusesAValueThatDoesNotFitItsColumn) {
  CsvField field;
  EXPECT_FALSE(ToCsvField(Variant("ayer"), ColumnKind::kDate, field));
  EXPECT_FALSE(ToCsvField(Variant(std::string("\xE9t\xE9")), ColumnKind::kText, field));
  EXPECT_FALSE(ToCsvField(Variant(1.5), ColumnKind::kInteger, field));
  EXPECT_TRUE(ToCsvField(Variant(int64_t{3}), ColumnKind::kDouble, field));
  EXPECT_EQ(field, "3");
  EXPECT_TRUE(ToCsvField(Variant("anything"), ColumnKind::kUnknown, field));
}

}  // namespace
}  // namespace tramvel::interfaces
