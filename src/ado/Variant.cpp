#include "ado/Variant.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <ostream>

#include <fmt/format.h>

#include "platform/Failure.h"
#include "platform/RegionalDates.h"
#include "platform/TextCase.h"

namespace tramvel::ado {
namespace {

[[noreturn]] void RaiseInvalidUseOfNull() { throw Failure(94, "Invalid use of Null"); }
[[noreturn]] void RaiseTypeMismatch() { throw Failure(13, "Type mismatch"); }
[[noreturn]] void RaiseOverflow() { throw Failure(failure::kOverflow, "Overflow"); }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const int64_t kSerialEpoch = DaysFromCivil(1899, 12, 30);

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return kDays[month - 1];
}

bool Valid(const DateTime& d) {
  return d.year >= 100 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
         d.day <= DaysInMonth(d.year, d.month) && d.hour >= 0 && d.hour <= 23 && d.minute >= 0 &&
         d.minute <= 59 && d.second >= 0 && d.second <= 59;
}

// A small cursor over the text being parsed.
struct Scanner {
  std::string_view text;
  size_t pos = 0;

  bool AtEnd() const { return pos >= text.size(); }
  // Reads 1..maxDigits digits; -1 when none. `count` receives how many.
  int Number(size_t maxDigits, size_t* count = nullptr) {
    size_t start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < maxDigits && std::isdigit(static_cast<unsigned char>(text[pos]))) {
      value = value * 10 + (text[pos++] - '0');
    }
    if (count) *count = pos - start;
    return pos == start ? -1 : value;
  }
  bool Take(char c) {
    if (pos < text.size() && text[pos] == c) {
      ++pos;
      return true;
    }
    return false;
  }
};

// "hh:mm[:ss[.fff]]" at the scanner; false when malformed.
bool ParseTime(Scanner& s, DateTime& d) {
  d.hour = s.Number(2);
  if (d.hour < 0 || !s.Take(':')) return false;
  d.minute = s.Number(2);
  if (d.minute < 0) return false;
  d.second = 0;
  if (s.Take(':')) {
    d.second = s.Number(2);
    if (d.second < 0) return false;
    if (s.Take('.')) {
      if (s.Number(9) < 0) return false;  // fractions of a second are dropped
    }
  }
  return true;
}

}  // namespace

Variant Variant::Null() {
  Variant v;
  v.value_ = NullTag{};
  return v;
}

std::optional<DateTime> ParseDateText(std::string_view text) {
  Scanner s{Trimmed(text)};
  DateTime d;
  size_t count = 0;
  int first = s.Number(8, &count);
  if (first < 0) return std::nullopt;
  if (count == 8 && s.AtEnd()) {  // yyyymmdd
    d.year = first / 10000;
    d.month = first / 100 % 100;
    d.day = first % 100;
  } else if (count == 4 && s.Take('-')) {  // ISO
    d.year = first;
    d.month = s.Number(2);
    if (d.month < 0 || !s.Take('-')) return std::nullopt;
    d.day = s.Number(2);
    if (d.day < 0) return std::nullopt;
    if (!s.AtEnd()) {
      if (!s.Take('T') && !s.Take(' ')) return std::nullopt;
      while (s.Take(' ')) {
      }
      if (!ParseTime(s, d)) return std::nullopt;
    }
  } else if (count <= 2 && s.Take('/')) {  // day/month/year
    d.day = first;
    d.month = s.Number(2);
    if (d.month < 0 || !s.Take('/')) return std::nullopt;
    size_t yearDigits = 0;
    d.year = s.Number(4, &yearDigits);
    if (yearDigits == 2) {
      d.year += d.year < 30 ? 2000 : 1900;
    } else if (yearDigits != 4) {
      return std::nullopt;
    }
    if (!s.AtEnd()) {
      if (!s.Take(' ')) return std::nullopt;
      while (s.Take(' ')) {
      }
      if (!ParseTime(s, d)) return std::nullopt;
    }
  } else if (count <= 2) {  // a bare time
    s.pos = 0;
    if (!ParseTime(s, d)) return std::nullopt;
  } else {
    return std::nullopt;
  }
  while (s.Take(' ')) {
  }
  if (!s.AtEnd() || !Valid(d)) return std::nullopt;
  return d;
}

std::string FormatDateText(const DateTime& d) {
  bool hasDate = !(d.year == 1899 && d.month == 12 && d.day == 30);
  bool hasTime = d.hour != 0 || d.minute != 0 || d.second != 0;
  std::string date = RegionalShortDate(d);
  std::string time = RegionalLongTime(d);
  if (!hasDate) return hasTime ? time : date;
  return hasTime ? date + " " + time : date;
}

std::string FormatIsoDateTime(const DateTime& d) {
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", d.year, d.month, d.day, d.hour, d.minute, d.second);
}

double DateToSerial(const DateTime& d) {
  double days = static_cast<double>(DaysFromCivil(d.year, d.month, d.day) - kSerialEpoch);
  double time = (d.hour * 3600.0 + d.minute * 60.0 + d.second) / 86400.0;
  // Before 30/12/1899 the OLE serial keeps the time as a positive fraction
  // after a negative day number.
  return days >= 0 ? days + time : days - time;
}

DateTime SerialToDate(double serial) {
  if (!std::isfinite(serial) || serial < -657435.0 || serial >= 2958466.0) RaiseOverflow();
  double days = std::trunc(serial);
  double fraction = std::fabs(serial - days);
  int64_t seconds = std::llround(fraction * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    days += serial < 0 ? -1 : 1;
  }
  DateTime d;
  CivilFromDays(static_cast<int64_t>(days) + kSerialEpoch, d.year, d.month, d.day);
  d.hour = static_cast<int>(seconds / 3600);
  d.minute = static_cast<int>(seconds / 60 % 60);
  d.second = static_cast<int>(seconds % 60);
  return d;
}

std::optional<double> ParseNumberText(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  // from_chars refuses a leading point ("-.5", ".5"); give it a zero.
  std::string buffer;
  if (text.front() == '.' || (text.size() > 1 && text[0] == '-' && text[1] == '.')) {
    buffer = text.front() == '-' ? "-0" + std::string(text.substr(1)) : "0" + std::string(text);
    text = buffer;
  }
  double value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (text.find_first_of("nNiI") != std::string_view::npos) return std::nullopt;  // "nan", "inf"
  return value;
}

std::string FormatDouble(double number) {
  if (number == 0) return "0";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15G", number);
  return buffer;
}

std::string Variant::ToText() const {
  switch (Type()) {
    case VariantType::kEmpty: return {};
    case VariantType::kNull: RaiseInvalidUseOfNull();
    case VariantType::kText: return std::get<std::string>(value_);
    case VariantType::kDouble: return FormatDouble(std::get<double>(value_));
    case VariantType::kInteger: return std::to_string(std::get<int64_t>(value_));
    case VariantType::kCurrency: return std::get<Currency>(value_).ToString();
    case VariantType::kDate: return FormatDateText(std::get<DateTime>(value_));
    case VariantType::kBoolean: return std::get<bool>(value_) ? "True" : "False";
  }
  return {};
}

double Variant::ToDouble() const {
  switch (Type()) {
    case VariantType::kEmpty: return 0;
    case VariantType::kNull: RaiseInvalidUseOfNull();
    case VariantType::kText: {
      auto number = ParseNumberText(std::get<std::string>(value_));
      if (!number) RaiseTypeMismatch();
      return *number;
    }
    case VariantType::kDouble: return std::get<double>(value_);
    case VariantType::kInteger: return static_cast<double>(std::get<int64_t>(value_));
    case VariantType::kCurrency: return std::get<Currency>(value_).ToDouble();
    case VariantType::kDate: return DateToSerial(std::get<DateTime>(value_));
    case VariantType::kBoolean: return std::get<bool>(value_) ? -1 : 0;
  }
  return 0;
}

int64_t Variant::ToInteger() const {
  switch (Type()) {
    case VariantType::kInteger: return std::get<int64_t>(value_);
    case VariantType::kCurrency: return std::get<Currency>(value_).ToInteger();
    default: {
      double number = ToDouble();
      double rounded = std::nearbyint(number);  // the default rounding: half to even
      if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) RaiseOverflow();
      return static_cast<int64_t>(rounded);
    }
  }
}

Currency Variant::ToCurrency() const {
  switch (Type()) {
    case VariantType::kEmpty: return Currency();
    case VariantType::kNull: RaiseInvalidUseOfNull();
    case VariantType::kText: {
      auto amount = Currency::Parse(std::get<std::string>(value_));
      if (!amount) RaiseTypeMismatch();
      return *amount;
    }
    case VariantType::kInteger: return Currency::FromInteger(std::get<int64_t>(value_));
    case VariantType::kCurrency: return std::get<Currency>(value_);
    default: return Currency::FromDouble(ToDouble());
  }
}

bool Variant::ToBoolean() const {
  switch (Type()) {
    case VariantType::kEmpty: return false;
    case VariantType::kNull: RaiseInvalidUseOfNull();
    case VariantType::kText: {
      const std::string& text = std::get<std::string>(value_);
      std::string_view trimmed = Trimmed(text);
      if (EqualsIgnoreCase(trimmed, "true") || EqualsIgnoreCase(trimmed, "verdadero")) return true;
      if (EqualsIgnoreCase(trimmed, "false") || EqualsIgnoreCase(trimmed, "falso")) return false;
      auto number = ParseNumberText(text);
      if (!number) RaiseTypeMismatch();
      return *number != 0;
    }
    case VariantType::kBoolean: return std::get<bool>(value_);
    case VariantType::kCurrency: return std::get<Currency>(value_).Raw() != 0;
    case VariantType::kInteger: return std::get<int64_t>(value_) != 0;
    default: return ToDouble() != 0;
  }
}

DateTime Variant::ToDate() const {
  switch (Type()) {
    case VariantType::kNull: RaiseInvalidUseOfNull();
    case VariantType::kDate: return std::get<DateTime>(value_);
    case VariantType::kText: {
      auto date = ParseDateText(std::get<std::string>(value_));
      if (!date) RaiseTypeMismatch();
      return *date;
    }
    default: return SerialToDate(ToDouble());
  }
}

std::ostream& operator<<(std::ostream& out, const Variant& value) {
  switch (value.Type()) {
    case VariantType::kEmpty: return out << "Empty";
    case VariantType::kNull: return out << "Null";
    case VariantType::kText: return out << "text \"" << std::get<std::string>(value.value_) << '"';
    case VariantType::kDouble: return out << "double " << FormatDouble(std::get<double>(value.value_));
    case VariantType::kInteger: return out << "integer " << std::get<int64_t>(value.value_);
    case VariantType::kCurrency: return out << "currency " << std::get<Currency>(value.value_).ToString();
    case VariantType::kDate: return out << "date " << FormatIsoDateTime(std::get<DateTime>(value.value_));
    case VariantType::kBoolean: return out << (std::get<bool>(value.value_) ? "True" : "False");
  }
  return out;
}

}  // namespace tramvel::ado
