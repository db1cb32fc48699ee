#include "common/VbValues.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "platform/Failure.h"

namespace tramvel {
namespace {

bool Digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The nearest whole number, halves to even, when it lies in [lowest, highest].
double Whole(double value, double lowest, double highest) {
  const double rounded = std::nearbyint(value);  // the default rounding: to nearest, ties to even
  if (!(rounded >= lowest && rounded <= highest)) throw Failure(failure::kOverflow, "Overflow");
  return rounded;
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  const std::size_t start = i;
  if (text[i] == '+' || text[i] == '-') ++i;
  bool digits = false;
  while (i < text.size() && Digit(text[i])) digits = (++i, true);
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && Digit(text[i])) digits = (++i, true);
  }
  if (!digits) return 0;
  if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t e = i + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    if (e < text.size() && Digit(text[e])) {
      while (e < text.size() && Digit(text[e])) ++e;
      i = e;
    }
  }
  std::string number(text.substr(start, i - start));
  if (number.front() == '+') number.erase(0, 1);
  double value = 0;
  std::from_chars(number.data(), number.data() + number.size(), value);
  return value;
}

std::string RecortarBlancos(std::string_view texto) {
  const auto first = texto.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = texto.find_last_not_of(' ');
  return std::string(texto.substr(first, last - first + 1));
}

int16_t CInt(double value) { return static_cast<int16_t>(Whole(value, -32768, 32767)); }

int32_t CLng(double value) { return static_cast<int32_t>(Whole(value, -2147483648.0, 2147483647.0)); }

}  // namespace tramvel
