#include "ado/sqlite/TSqlTokens.h"

#include <cctype>

namespace tramvel::ado::sqlite::tsql {
namespace {

bool IsWordStart(unsigned char c) { return std::isalpha(c) || c == '_' || c == '@' || c == '#' || c >= 0x80; }

}  // namespace

bool IsWordChar(unsigned char c) { return IsWordStart(c) || std::isdigit(c) || c == '$'; }

Tokens Tokenize(std::string_view s) {
  Tokens out;
  const size_t n = s.size();
  size_t i = 0;
  auto at = [&](size_t k) -> unsigned char { return k < n ? static_cast<unsigned char>(s[k]) : 0; };
  // A quoted run from `i` (at the opening quote) to its closing quote, where a
  // doubled closing quote stands for itself. Returns the index after it.
  auto quoted = [&](size_t start, char close, std::string* inner) {
    size_t k = start + 1;
    while (k < n) {
      if (s[k] == close) {
        if (k + 1 < n && s[k + 1] == close) {
          if (inner) *inner += close;
          k += 2;
          continue;
        }
        return k + 1;
      }
      if (inner) *inner += s[k];
      ++k;
    }
    return n;  // unterminated: the engine reports it
  };
  while (i < n) {
    unsigned char c = at(i);
    if (std::isspace(c)) {
      Token t{Kind::kSpace, " "};
      while (i < n && std::isspace(at(i))) {
        if (at(i) == '\n' || at(i) == '\r') t.newline = true;
        ++i;
      }
      out.push_back(t);
    } else if (c == '-' && at(i + 1) == '-') {
      while (i < n && at(i) != '\n' && at(i) != '\r') ++i;
      out.push_back({Kind::kSpace, " "});
    } else if (c == '/' && at(i + 1) == '*') {
      Token t{Kind::kSpace, " "};
      int depth = 0;
      while (i < n) {
        if (at(i) == '/' && at(i + 1) == '*') {
          ++depth;
          i += 2;
        } else if (at(i) == '*' && at(i + 1) == '/') {
          i += 2;
          if (--depth == 0) break;
        } else {
          if (at(i) == '\n' || at(i) == '\r') t.newline = true;
          ++i;
        }
      }
      out.push_back(t);
    } else if (c == '\'') {
      size_t end = quoted(i, '\'', nullptr);
      out.push_back({Kind::kString, std::string(s.substr(i, end - i))});
      i = end;
    } else if ((c == 'N' || c == 'n') && at(i + 1) == '\'') {
      size_t end = quoted(i + 1, '\'', nullptr);
      out.push_back({Kind::kString, std::string(s.substr(i + 1, end - i - 1))});
      i = end;
    } else if (c == '[' || c == '"') {
      std::string name;
      size_t end = quoted(i, c == '[' ? ']' : '"', &name);
      out.push_back({Kind::kIdentifier, name});
      i = end;
    } else if (std::isdigit(c) || (c == '.' && std::isdigit(at(i + 1)))) {
      size_t start = i;
      while (std::isalnum(at(i)) || at(i) == '.' ||
             ((at(i) == '+' || at(i) == '-') && (at(i - 1) == 'e' || at(i - 1) == 'E') &&
              !(at(start) == '0' && (at(start + 1) == 'x' || at(start + 1) == 'X')))) {
        ++i;
      }
      out.push_back({Kind::kNumber, std::string(s.substr(start, i - start))});
    } else if (IsWordStart(c)) {
      size_t start = i;
      while (i < n && IsWordChar(at(i))) ++i;
      out.push_back({Kind::kWord, std::string(s.substr(start, i - start))});
    } else {
      static constexpr std::string_view kPairs[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||"};
      size_t length = 1;
      for (std::string_view pair : kPairs) {
        if (s.substr(i, 2) == pair) length = 2;
      }
      out.push_back({Kind::kPunct, std::string(s.substr(i, length))});
      i += length;
    }
  }
  return out;
}

}  // namespace tramvel::ado::sqlite::tsql
