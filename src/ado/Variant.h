#pragma once

#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/DateTime.h"
#include "ado/Currency.h"

namespace tramvel::ado {

enum class VariantType { kEmpty, kNull, kText, kDouble, kInteger, kCurrency, kDate, kBoolean };

// A field value or a loose value, as ADO hands it over: Empty (nothing yet),
// Null (the database's null), text (UTF-8), a number (double or 64-bit
// integer), a Currency, a date or a Boolean. The To... conversions follow VB's
// CStr, CDbl, CLng, CCur, CBool and CDate under the system's regional settings
// (dates day/month/year, the point as the decimal separator). A Null raises
// Failure 94 ("Invalid use of Null"); a text that does not convert raises 13
// ("Type mismatch"); a number out of range raises 6.
class Variant {
 public:
  Variant() = default;  // Empty
  Variant(const char* text) : value_(std::string(text)) {}
  Variant(std::string text) : value_(std::move(text)) {}
  Variant(std::string_view text) : value_(std::string(text)) {}
  Variant(double number) : value_(number) {}
  template <std::integral T>
    requires(!std::same_as<T, bool>)
  Variant(T number) : value_(static_cast<int64_t>(number)) {}
  Variant(Currency amount) : value_(amount) {}
  Variant(DateTime date) : value_(date) {}
  Variant(bool flag) : value_(flag) {}

  static Variant Null();

  VariantType Type() const { return static_cast<VariantType>(value_.index()); }
  bool IsEmpty() const { return Type() == VariantType::kEmpty; }
  bool IsNull() const { return Type() == VariantType::kNull; }

  std::string ToText() const;    // CStr; Empty gives ""
  double ToDouble() const;       // CDbl; Empty gives 0
  int64_t ToInteger() const;     // CLng in 64 bits: rounds half to even
  Currency ToCurrency() const;   // CCur
  bool ToBoolean() const;        // CBool; texts "True"/"False" in any case
  DateTime ToDate() const;       // CDate; texts as ParseDateText reads them

  // Same type and same value (an integer 1 is not the double 1).
  friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }
  friend std::ostream& operator<<(std::ostream& out, const Variant& value);

 private:
  struct NullTag {
    friend bool operator==(NullTag, NullTag) { return true; }
  };
  std::variant<std::monostate, NullTag, std::string, double, int64_t, Currency, DateTime, bool> value_;
};

// A date written as day/month/year ("6/5/2014", "06/05/2014 18:37",
// "06/05/2014 18:37:05", two-digit years read 1930-2029), as ISO
// ("2014-05-06", "2014-05-06 18:37:05", "2014-05-06T18:37:05.123"), as
// "20140506", or as a bare time ("18:37:05", on 30/12/1899). Blanks around
// are ignored; nullopt for anything else or an impossible date.
std::optional<DateTime> ParseDateText(std::string_view text);

// CStr of a date: "06/05/2014", "06/05/2014 18:37:05", or "18:37:05" when the
// date part is 30/12/1899.
std::string FormatDateText(const DateTime& date);

// "2014-05-06 18:37:05": the form dates are stored in.
std::string FormatIsoDateTime(const DateTime& date);

// OLE Automation date serial: days since 30/12/1899, the time as the fraction.
double DateToSerial(const DateTime& date);
DateTime SerialToDate(double serial);  // 6 when out of the years 100-9999

// CDbl of a text: blanks around, sign, digits, point, exponent. Nullopt else.
std::optional<double> ParseNumberText(std::string_view text);

// CStr of a double: up to 15 significant digits ("0.1", "1E+20", "1E-05").
std::string FormatDouble(double number);

}  // namespace tramvel::ado
