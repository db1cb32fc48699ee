#pragma once

#include <string>
#include <string_view>

namespace tramvel::ado::sqlite {

// The name of the check that keeps a text column within its declared length;
// the error table turns its failure into SQL Server's 8152.
inline constexpr std::string_view kLengthCheck = "tramvel_length";
// SQLite's message when that check fails.
inline constexpr std::string_view kLengthCheckFailed = "CHECK constraint failed: tramvel_length";
static_assert(kLengthCheckFailed.ends_with(kLengthCheck));

// What a column definition becomes in the embedded engine, so that it keeps
// values as SQL Server does.
struct ColumnAdaptation {
  std::string type;    // the type to declare instead of the written one; "" keeps it
  std::string suffix;  // what follows the type: a collation, a check
};

// For a column `column` (already quoted) of the type named `typeName` with
// the arguments written between its parentheses ("40", "18, 4", "" for none):
//  - char, varchar, nchar, nvarchar, character: COLLATE NOCASE (the server's
//    case-insensitive comparison; not when the definition names a collation,
//    `hasCollation`) and a check that a value holds at most n characters
//    besides trailing blanks, which SQL Server cuts without a word (SQLite
//    itself never cuts nor refuses a text); text, ntext and sysname
//    get only the collation;
//  - money, smallmoney, decimal, numeric: declared "<type> TEXT(<arguments>)",
//    so that values keep their decimal text (ExactNumbers.h), compared in
//    the collation of exact numbers;
//  - any other type: nothing.
ColumnAdaptation AdaptColumn(std::string_view typeName, std::string_view arguments, std::string_view column,
                             bool hasCollation);

}  // namespace tramvel::ado::sqlite
