#pragma once

// What the pieces of the T-SQL adaptation (TSqlAdaptation.h) share: a batch
// as tokens, and the few ways they look at and change a run of tokens.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tramvel::ado::sqlite::tsql {

enum class Kind {
  kSpace,       // blanks, line breaks and comments
  kWord,        // keyword or bare identifier (also @variable, #temp)
  kIdentifier,  // [name] or "name": text holds the name itself
  kString,      // '...' as written (an N prefix already gone)
  kNumber,
  kPunct,
  kRaw,         // text put in by the adaptation, never looked at again
};

struct Token {
  Kind kind;
  std::string text;
  bool newline = false;  // a kSpace that holds a line break
};

using Tokens = std::vector<Token>;

Tokens Tokenize(std::string_view batch);

// Letters, digits and the marks T-SQL allows in a bare name.
bool IsWordChar(unsigned char c);

bool IsWord(const Token& t, std::string_view word);
bool IsAnyWord(const Token& t, std::initializer_list<std::string_view> words);
bool IsName(const Token& t, std::string_view name);  // a word or a quoted name
bool IsPunct(const Token& t, std::string_view p);
bool IsSpace(const Token& t);

// The next / previous token that is not a space; t.size() / npos when none.
size_t Next(const Tokens& t, size_t i);
size_t First(const Tokens& t);
size_t Prev(const Tokens& t, size_t i);

// The index of the ")" that closes the "(" at `open`; t.size() when none.
size_t Matching(const Tokens& t, size_t open);

bool At(const Tokens& t, size_t i, std::string_view word);
bool AtPunct(const Tokens& t, size_t i, std::string_view p);

void Erase(Tokens& t, size_t from, size_t toInclusive);
void InsertRaw(Tokens& t, size_t at, std::string text);

// One line of text: blanks collapsed to one, none at either end.
std::string Emit(const Tokens& t, size_t from = 0, size_t to = std::string::npos);

// The ranges [from, to) of the elements between `from` and `to` separated by
// commas outside parentheses.
std::vector<std::pair<size_t, size_t>> SplitAtCommas(const Tokens& t, size_t from, size_t to);

Tokens Slice(const Tokens& t, size_t from, size_t to);
bool HasWord(const Tokens& t, std::string_view word);

}  // namespace tramvel::ado::sqlite::tsql
