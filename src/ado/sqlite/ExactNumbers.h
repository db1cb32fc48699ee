#pragma once

#include <string_view>

namespace tramvel::ado::sqlite {

// SQLite has no exact decimal type: a MONEY value held as a double loses its
// last digits (12345678901234.5678 comes back as 12345678901234.568). So the
// embedded engine keeps MONEY, SMALLMONEY, DECIMAL and NUMERIC values as
// their decimal text, exactly as written, in a column of text affinity whose
// collation compares them as numbers: comparisons, ORDER BY, MIN and MAX
// and indexes see the numbers, arithmetic converts them as SQLite converts
// any numeric text.

// The collation of such columns, registered on every connection.
inline constexpr std::string_view kNumberCollation = "TRAMVEL_NUMBER";

// The order of two texts as decimal numbers ("10" after "9.5", "-1" before
// "0", "1.50" equal to "1.5", exponents allowed). A text that is no number
// sorts after every number, and such texts among themselves byte by byte.
// Negative, zero or positive, as memcmp.
int CompareNumberTexts(std::string_view a, std::string_view b);

}  // namespace tramvel::ado::sqlite
