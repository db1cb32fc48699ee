#include "ado/sqlite/ColumnRules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <initializer_list>

#include "ado/sqlite/ExactNumbers.h"
#include "platform/TextCase.h"

namespace tramvel::ado::sqlite {
namespace {

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::any_of(names.begin(), names.end(), [&](std::string_view candidate) {
    return EqualsIgnoreCase(candidate, name);
  });
}

// The length a text type's argument declares; 0 for none or for max (which
// the adaptation has already written as 2147483647).
long DeclaredLength(std::string_view arguments) {
  while (!arguments.empty() && arguments.front() == ' ') arguments.remove_prefix(1);
  while (!arguments.empty() && arguments.back() == ' ') arguments.remove_suffix(1);
  long length = 0;
  const auto [end, error] = std::from_chars(arguments.data(), arguments.data() + arguments.size(), length);
  if (error != std::errc() || end != arguments.data() + arguments.size() || length <= 0 || length >= 2147483647) {
    return 0;
  }
  return length;
}

}  // namespace

ColumnAdaptation AdaptColumn(std::string_view typeName, std::string_view arguments, std::string_view column,
                             bool hasCollation) {
  ColumnAdaptation adaptation;
  const bool sized = IsOneOf(typeName, {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "CHARACTER"});
  if (sized || IsOneOf(typeName, {"TEXT", "NTEXT", "SYSNAME"})) {
    if (!hasCollation) adaptation.suffix = "COLLATE NOCASE";
    // CHAR with no length is CHAR(1), as on the server; "CHARACTER VARYING (n)"
    // has its length after a second word, and goes unchecked.
    const bool one = arguments.empty() && !IsOneOf(typeName, {"CHARACTER"});
    const long length = sized ? (one ? 1 : DeclaredLength(arguments)) : 0;
    if (length > 0) {
      if (!adaptation.suffix.empty()) adaptation.suffix += ' ';
      adaptation.suffix += "CONSTRAINT " + std::string(kLengthCheck) + " CHECK (length(rtrim(" + std::string(column) +
                           ", ' ')) <= " + std::to_string(length) + ")";
    }
  } else if (IsOneOf(typeName, {"MONEY", "SMALLMONEY", "DECIMAL", "NUMERIC"})) {
    adaptation.type = ToUpper(typeName) + " TEXT" + (arguments.empty() ? "" : "(" + std::string(arguments) + ")");
    adaptation.suffix = "COLLATE " + std::string(kNumberCollation);
  }
  return adaptation;
}

}  // namespace tramvel::ado::sqlite
