#include "AmountRange.h"

#include <string_view>

namespace tramvel::interfaces {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct PlainDecimal {
  bool negative = false;
  std::string whole;     // without leading zeros
  std::string decimals;  // without trailing zeros
};

std::optional<PlainDecimal> ReadPlainDecimal(std::string_view text) {
  PlainDecimal number;
  if (!text.empty() && text.front() == '-') {
    number.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view decimals = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || (point != std::string_view::npos && decimals.empty())) return std::nullopt;
  for (const std::string_view part : {whole, decimals}) {
    for (const char c : part) {
      if (!IsDigit(c)) return std::nullopt;
    }
  }
  number.whole = std::string(whole.substr(std::min(whole.find_first_not_of('0'), whole.size())));
  number.decimals = std::string(decimals.substr(0, decimals.find_last_not_of('0') + 1));
  return number;
}

// Whether digits without leading zeros stay at or below `limit`.
bool AtMost(const std::string& digits, std::string_view limit) {
  return digits.size() < limit.size() || (digits.size() == limit.size() && digits <= limit);
}

}  // namespace

std::optional<std::string> OutsideAmountRange(const std::string& text, const TableColumn& column) {
  if (column.precision <= 0) return std::nullopt;
  const std::optional<PlainDecimal> number = ReadPlainDecimal(text);
  if (!number) return std::nullopt;
  const int scale = column.scale;
  const std::string value = "\"" + text + "\" ";
  if (static_cast<int>(number->decimals.size()) > scale) {
    return value + "tiene más decimales de los " + std::to_string(scale) + " que guarda la columna";
  }
  // Money and smallmoney are 64 and 32-bit counts of ten-thousandths.
  if (column.kind == ado::ColumnKind::kCurrency && (column.definedSize == 8 || column.definedSize == 4)) {
    const bool small = column.definedSize == 4;
    const std::string_view limit = small ? (number->negative ? "2147483648" : "2147483647")
                                         : (number->negative ? "9223372036854775808" : "9223372036854775807");
    std::string scaled = number->whole + number->decimals + std::string(4 - number->decimals.size(), '0');
    scaled.erase(0, std::min(scaled.find_first_not_of('0'), scaled.size()));
    if (AtMost(scaled, limit)) return std::nullopt;
    return value + (small ? "no cabe en la columna (smallmoney: de -214748.3648 a 214748.3647)"
                          : "no cabe en la columna (money: de -922337203685477.5808 a 922337203685477.5807)");
  }
  const int whole = column.precision - scale;
  if (static_cast<int>(number->whole.size()) <= whole) return std::nullopt;
  return value + "no cabe en la columna (decimal(" + std::to_string(column.precision) + ", " +
         std::to_string(scale) + "): a lo sumo " + std::to_string(whole) + " cifras antes del punto)";
}

}  // namespace tramvel::interfaces
