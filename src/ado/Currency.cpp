#include "ado/Currency.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/Failure.h"

namespace tramvel {
namespace {

__extension__ typedef __int128 Int128;

constexpr Int128 kMax = std::numeric_limits<int64_t>::max();
constexpr Int128 kMin = std::numeric_limits<int64_t>::min();

[[noreturn]] void RaiseOverflow() { throw Failure(failure::kOverflow, "Overflow"); }

Currency Checked(Int128 raw) {
  if (raw > kMax || raw < kMin) RaiseOverflow();
  return Currency::FromRaw(static_cast<int64_t>(raw));
}

// quotient of n / d (d > 0) rounded half to even.
Int128 DivideHalfEven(Int128 n, Int128 d) {
  Int128 q = n / d;
  Int128 r = n % d;
  if (r < 0) r = -r;
  if (2 * r > d || (2 * r == d && q % 2 != 0)) q += n < 0 ? -1 : 1;
  return q;
}

}  // namespace

Currency Currency::FromInteger(int64_t value) { return Checked(static_cast<Int128>(value) * kScale); }

Currency Currency::FromDouble(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 1e15) RaiseOverflow();
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  auto parsed = Parse(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
  if (!parsed) RaiseOverflow();
  return *parsed;
}

std::optional<Currency> Currency::Parse(std::string_view text) {
  size_t i = 0;
  auto blank = [&](size_t k) { return k < text.size() && (text[k] == ' ' || text[k] == '\t'); };
  while (blank(i)) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;  // significant digits, without leading zeros
  int exponent = 0;    // value = digits * 10^exponent
  bool anyDigit = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      anyDigit = true;
      if (!(digits.empty() && c == '0')) digits += c;
      if (point) --exponent;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t k = i + 1;
    bool expNegative = false;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) expNegative = text[k++] == '-';
    if (k >= text.size() || text[k] < '0' || text[k] > '9') return std::nullopt;
    int e = 0;
    for (; k < text.size() && text[k] >= '0' && text[k] <= '9'; ++k) {
      if (e < 100000) e = e * 10 + (text[k] - '0');
    }
    exponent += expNegative ? -e : e;
    i = k;
  }
  while (blank(i)) ++i;
  if (i != text.size()) return std::nullopt;
  if (digits.empty()) return Currency();

  // scaled = digits * 10^(exponent + 4), rounded half to even.
  int shift = exponent + 4;
  Int128 magnitude = 0;
  auto push = [&](int digit) {
    magnitude = magnitude * 10 + digit;
    if (magnitude > kMax + 1) RaiseOverflow();
  };
  if (shift >= 0) {
    for (char c : digits) push(c - '0');
    for (int k = 0; k < shift; ++k) push(0);
  } else {
    long keep = static_cast<long>(digits.size()) + shift;  // digits left of the rounding place
    if (keep >= 0) {
      for (long k = 0; k < keep; ++k) push(digits[static_cast<size_t>(k)] - '0');
      int first = digits[static_cast<size_t>(keep)] - '0';
      bool restNonZero = digits.find_first_not_of('0', static_cast<size_t>(keep) + 1) != std::string::npos;
      if (first > 5 || (first == 5 && (restNonZero || magnitude % 2 != 0))) {
        magnitude += 1;
        if (magnitude > kMax + 1) RaiseOverflow();
      }
    }
  }
  return Checked(negative ? -magnitude : magnitude);
}

double Currency::ToDouble() const { return static_cast<double>(raw_) / kScale; }

int64_t Currency::ToInteger() const { return static_cast<int64_t>(DivideHalfEven(raw_, kScale)); }

std::string Currency::ToString() const {
  bool negative = raw_ < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(raw_) : static_cast<uint64_t>(raw_);
  std::string text = std::to_string(magnitude / kScale);
  uint64_t fraction = magnitude % kScale;
  if (fraction != 0) {
    std::string decimals = std::to_string(fraction + kScale).substr(1);
    while (decimals.back() == '0') decimals.pop_back();
    text += '.' + decimals;
  }
  return negative ? '-' + text : text;
}

Currency Currency::operator-() const { return Checked(-static_cast<Int128>(raw_)); }

Currency operator+(Currency a, Currency b) { return Checked(static_cast<Int128>(a.raw_) + b.raw_); }

Currency operator-(Currency a, Currency b) { return Checked(static_cast<Int128>(a.raw_) - b.raw_); }

Currency operator*(Currency a, Currency b) {
  return Checked(DivideHalfEven(static_cast<Int128>(a.raw_) * b.raw_, Currency::kScale));
}

}  // namespace tramvel
