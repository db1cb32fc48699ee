#include "ado/sqlite/TSqlExistenceGuards.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/TextCase.h"

namespace tramvel::ado::sqlite {
namespace {

bool WordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

void SkipBlanks(std::string_view s, size_t& i) {
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
}

// The word at `i` (letters, digits, _ and .), upper-cased; moves past it.
std::string Word(std::string_view s, size_t& i) {
  SkipBlanks(s, i);
  const size_t start = i;
  while (i < s.size() && WordChar(s[i])) ++i;
  return ToUpper(s.substr(start, i - start));
}

// The index after the ")" that closes the "(" at `open`, quotes respected;
// npos when it is not closed.
size_t AfterClosing(std::string_view s, size_t open) {
  int depth = 0;
  for (size_t i = open; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\'' || c == '"') {
      const size_t end = s.find(c, i + 1);
      if (end == std::string_view::npos) return std::string_view::npos;
      i = end;  // a doubled quote is two quoted runs side by side
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return i + 1;
    }
  }
  return std::string_view::npos;
}

bool AsksTheCatalogue(std::string_view question) {
  static constexpr std::array<std::string_view, 8> kCatalogues = {"SYSOBJECTS",   "SYS.OBJECTS",        "SYS.TABLES",
                                                                  "SYS.VIEWS",    "SYS.INDEXES",        "SYSINDEXES",
                                                                  "SYS.TRIGGERS", "INFORMATION_SCHEMA."};
  const std::string upper = ToUpper(question);
  return std::any_of(kCatalogues.begin(), kCatalogues.end(),
                     [&](std::string_view name) { return upper.find(name) != std::string::npos; });
}

// The index after the (possibly quoted, possibly qualified) name at `i`.
size_t AfterName(std::string_view s, size_t i) {
  SkipBlanks(s, i);
  for (;;) {
    if (i < s.size() && s[i] == '"') {
      const size_t end = s.find('"', i + 1);
      i = end == std::string_view::npos ? s.size() : end + 1;
    } else {
      while (i < s.size() && WordChar(s[i])) ++i;
    }
    if (i < s.size() && s[i] == '.') {
      ++i;
      continue;
    }
    return i;
  }
}

std::string Trimmed(std::string_view s) {
  size_t i = 0;
  SkipBlanks(s, i);
  size_t end = s.size();
  while (end > i && std::isspace(static_cast<unsigned char>(s[end - 1]))) --end;
  return std::string(s.substr(i, end - i));
}

bool TakesTheClause(const std::string& kind) {
  return kind == "TABLE" || kind == "VIEW" || kind == "INDEX" || kind == "TRIGGER";
}

}  // namespace

std::vector<std::string> UnguardStatement(std::string_view statement) {
  size_t i = 0;
  if (Word(statement, i) != "IF") return {};
  std::string word = Word(statement, i);
  const bool negated = word == "NOT";
  if (negated) word = Word(statement, i);
  if (word != "EXISTS") return {};
  SkipBlanks(statement, i);
  if (i >= statement.size() || statement[i] != '(') return {};
  const size_t after = AfterClosing(statement, i);
  if (after == std::string_view::npos || !AsksTheCatalogue(statement.substr(i, after - i))) return {};

  size_t k = after;
  SkipBlanks(statement, k);
  const size_t start = k;
  const std::string verb = Word(statement, k);
  size_t kindEnd = k;
  std::string kind = Word(statement, kindEnd);
  if (verb == "CREATE" && kind == "UNIQUE") kind = Word(statement, kindEnd);
  const bool fits = TakesTheClause(kind) && ((verb == "DROP" && !negated) || (verb == "CREATE" && negated));
  if (!fits) return {};
  const std::string head =
      std::string(statement.substr(start, kindEnd - start)) + (negated ? " IF NOT EXISTS" : " IF EXISTS");
  if (verb == "CREATE") return {head + std::string(statement.substr(kindEnd))};

  size_t end = AfterName(statement, kindEnd);
  if (kind == "INDEX") {
    size_t on = end;
    if (Word(statement, on) == "ON") end = AfterName(statement, on);
  }
  std::vector<std::string> out = {head + std::string(statement.substr(kindEnd, end - kindEnd))};
  std::string rest = Trimmed(statement.substr(end));
  if (!rest.empty()) out.push_back(std::move(rest));
  return out;
}

}  // namespace tramvel::ado::sqlite
