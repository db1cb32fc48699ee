#include "ado/sqlite/ExactNumbers.h"

#include <optional>
#include <string>

namespace tramvel::ado::sqlite {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal as 0.<digits> times ten to the `point`, digits without leading
// or trailing zeros (none for zero).
struct Decimal {
  bool negative = false;
  std::string digits;
  long point = 0;
};

std::optional<Decimal> Parse(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  Decimal d;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) d.negative = text[i++] == '-';
  std::string digits;
  long integerDigits = 0;
  bool any = false;
  while (i < text.size() && IsDigit(text[i])) {
    digits += text[i++];
    ++integerDigits;
    any = true;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      digits += text[i++];
      any = true;
    }
  }
  if (!any) return std::nullopt;
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negativeExponent = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
    while (i < text.size() && IsDigit(text[i])) {
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (negativeExponent) exponent = -exponent;
  }
  while (i < text.size() && text[i] == ' ') ++i;
  if (i != text.size()) return std::nullopt;
  size_t lead = 0;
  while (lead < digits.size() && digits[lead] == '0') ++lead;
  size_t end = digits.size();
  while (end > lead && digits[end - 1] == '0') --end;
  d.digits = digits.substr(lead, end - lead);
  d.point = integerDigits - static_cast<long>(lead) + exponent;
  if (d.digits.empty()) d.negative = false;
  return d;
}

int Sign(const Decimal& d) { return d.digits.empty() ? 0 : d.negative ? -1 : 1; }

int CompareMagnitudes(const Decimal& a, const Decimal& b) {
  if (a.point != b.point) return a.point < b.point ? -1 : 1;
  const int order = a.digits.compare(b.digits);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace

int CompareNumberTexts(std::string_view a, std::string_view b) {
  const std::optional<Decimal> x = Parse(a);
  const std::optional<Decimal> y = Parse(b);
  if (!x || !y) {
    if (x) return -1;
    if (y) return 1;
    const int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
  }
  if (Sign(*x) != Sign(*y)) return Sign(*x) < Sign(*y) ? -1 : 1;
  if (Sign(*x) == 0) return 0;
  const int magnitude = CompareMagnitudes(*x, *y);
  return x->negative ? -magnitude : magnitude;
}

}  // namespace tramvel::ado::sqlite
