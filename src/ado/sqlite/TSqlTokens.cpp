#include "ado/sqlite/TSqlTokens.h"

#include <algorithm>

#include "ado/sqlite/TSqlAdaptation.h"
#include "platform/TextCase.h"

namespace tramvel::ado::sqlite::tsql {
namespace {

bool Wordish(char c) { return IsWordChar(static_cast<unsigned char>(c)) || c == '\'' || c == '"'; }

}  // namespace

bool IsWord(const Token& t, std::string_view word) { return t.kind == Kind::kWord && EqualsIgnoreCase(t.text, word); }

bool IsAnyWord(const Token& t, std::initializer_list<std::string_view> words) {
  if (t.kind != Kind::kWord) return false;
  for (std::string_view w : words) {
    if (EqualsIgnoreCase(t.text, w)) return true;
  }
  return false;
}

bool IsName(const Token& t, std::string_view name) {
  return (t.kind == Kind::kWord || t.kind == Kind::kIdentifier) && EqualsIgnoreCase(t.text, name);
}

bool IsPunct(const Token& t, std::string_view p) { return t.kind == Kind::kPunct && t.text == p; }

bool IsSpace(const Token& t) { return t.kind == Kind::kSpace; }

// The next / previous token that is not a space; t.size() / npos when none.
size_t Next(const Tokens& t, size_t i) {
  for (size_t k = i + 1; k < t.size(); ++k) {
    if (!IsSpace(t[k])) return k;
  }
  return t.size();
}

size_t First(const Tokens& t) { return t.empty() || !IsSpace(t[0]) ? 0 : Next(t, 0); }

size_t Prev(const Tokens& t, size_t i) {
  for (size_t k = i; k-- > 0;) {
    if (!IsSpace(t[k])) return k;
  }
  return std::string::npos;
}

// The index of the ")" that closes the "(" at `open`; t.size() when none.
size_t Matching(const Tokens& t, size_t open) {
  int depth = 0;
  for (size_t k = open; k < t.size(); ++k) {
    if (IsPunct(t[k], "(")) ++depth;
    if (IsPunct(t[k], ")") && --depth == 0) return k;
  }
  return t.size();
}

bool At(const Tokens& t, size_t i, std::string_view word) { return i < t.size() && IsWord(t[i], word); }
bool AtPunct(const Tokens& t, size_t i, std::string_view p) { return i < t.size() && IsPunct(t[i], p); }

void Erase(Tokens& t, size_t from, size_t toInclusive) {
  t.erase(t.begin() + static_cast<std::ptrdiff_t>(from), t.begin() + static_cast<std::ptrdiff_t>(toInclusive + 1));
}

void InsertRaw(Tokens& t, size_t at, std::string text) {
  t.insert(t.begin() + static_cast<std::ptrdiff_t>(at), {Token{Kind::kSpace, " "}, Token{Kind::kRaw, std::move(text)}});
}

// One line of text: blanks collapsed to one, none at either end.
std::string Emit(const Tokens& t, size_t from, size_t to) {
  std::string out;
  bool space = false;
  to = std::min(to, t.size());
  for (size_t k = from; k < to; ++k) {
    if (IsSpace(t[k])) {
      space = true;
      continue;
    }
    std::string text = t[k].kind == Kind::kIdentifier ? QuoteIdentifier(t[k].text) : t[k].text;
    if (text.empty()) continue;
    if (!out.empty() && (space || (Wordish(out.back()) && Wordish(text.front())))) out += ' ';
    out += text;
    space = false;
  }
  return out;
}

// The ranges [from, to) of the elements between `from` and `to` separated by
// commas outside parentheses.
std::vector<std::pair<size_t, size_t>> SplitAtCommas(const Tokens& t, size_t from, size_t to) {
  std::vector<std::pair<size_t, size_t>> parts;
  int depth = 0;
  size_t start = from;
  for (size_t k = from; k < to; ++k) {
    if (IsPunct(t[k], "(")) ++depth;
    if (IsPunct(t[k], ")")) --depth;
    if (depth == 0 && IsPunct(t[k], ",")) {
      parts.emplace_back(start, k);
      start = k + 1;
    }
  }
  parts.emplace_back(start, to);
  return parts;
}

Tokens Slice(const Tokens& t, size_t from, size_t to) {
  return Tokens(t.begin() + static_cast<std::ptrdiff_t>(from), t.begin() + static_cast<std::ptrdiff_t>(to));
}

bool HasWord(const Tokens& t, std::string_view word) {
  return std::any_of(t.begin(), t.end(), [&](const Token& x) { return IsWord(x, word); });
}

}  // namespace tramvel::ado::sqlite::tsql
