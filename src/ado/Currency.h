#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tramvel {

// The amount type of the system (VB's Currency): a signed 64-bit fixed-point
// number with four decimals, held as the value times 10,000. Every conversion
// into it rounds to four decimals with halves going to the even neighbour, and
// a result out of range raises Failure 6 (overflow).
class Currency {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Currency() = default;

  // From the scaled value itself (12345 is 1.2345).
  static constexpr Currency FromRaw(int64_t raw) {
    Currency c;
    c.raw_ = raw;
    return c;
  }
  static Currency FromInteger(int64_t value);
  // The double's shortest decimal text, rounded to four decimals half to even
  // (so 1.23445 gives 1.2344 and 1.23455 gives 1.2346). NaN and infinities
  // raise 6 as well.
  static Currency FromDouble(double value);
  // A decimal text: optional blanks, sign, digits with an optional point and
  // an optional exponent ("12.5", "-0.00005", "1E3"). Nullopt when the text is
  // not such a number; a number out of range raises 6.
  static std::optional<Currency> Parse(std::string_view text);

  constexpr int64_t Raw() const { return raw_; }
  double ToDouble() const;
  // Whole units, rounded half to even (CLng of a Currency).
  int64_t ToInteger() const;
  // VB's text form: no trailing zeros, point as the decimal separator
  // ("1.5", "-0.25", "0", "922337203685477.5807").
  std::string ToString() const;

  Currency operator-() const;
  friend Currency operator+(Currency a, Currency b);
  friend Currency operator-(Currency a, Currency b);
  // The product rounded to four decimals half to even.
  friend Currency operator*(Currency a, Currency b);
  Currency& operator+=(Currency other) { return *this = *this + other; }
  Currency& operator-=(Currency other) { return *this = *this - other; }

  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  int64_t raw_ = 0;
};

}  // namespace tramvel
