#include "ado/sqlite/TSqlAdaptation.h"

#include "ado/sqlite/TSqlExistenceGuards.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include "ado/sqlite/ColumnRules.h"
#include "platform/TextCase.h"

namespace tramvel::ado::sqlite {
namespace {

// ----- tokens -----

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

bool IsWordStart(unsigned char c) { return std::isalpha(c) || c == '_' || c == '@' || c == '#' || c >= 0x80; }
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

// ----- looking at tokens -----

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

bool Wordish(char c) { return IsWordChar(static_cast<unsigned char>(c)) || c == '\'' || c == '"'; }

// One line of text: blanks collapsed to one, none at either end.
std::string Emit(const Tokens& t, size_t from = 0, size_t to = std::string::npos) {
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

// ----- splitting a batch into statements -----

class Splitter {
 public:
  std::vector<Tokens> Split(const Tokens& tokens) {
    for (size_t i = 0; i < tokens.size(); ++i) {
      const Token& t = tokens[i];
      if (IsSpace(t)) {
        if (t.newline) lineStart_ = true;
        current_.push_back(t);
        continue;
      }
      if (IsPunct(t, ";") && depth_ == 0 && !routine_) {
        Flush();
        continue;
      }
      if (depth_ == 0 && !current_.empty() && !routine_ && !view_ && Starts(tokens, i)) Flush();
      Take(t);
    }
    Flush();
    return std::move(statements_);
  }

 private:
  void Take(const Token& t) {
    if (IsPunct(t, "(")) ++depth_;
    if (IsPunct(t, ")")) --depth_;
    if (t.kind == Kind::kWord) {
      std::string word = ToUpper(t.text);
      if (words_ < 2) (words_ == 0 ? first_ : second_) = word;
      if (depth_ == 0 && word == "VALUES") sawValues_ = true;
      if (depth_ == 0 && word == "SET" && words_ > 0) sawSet_ = true;
      if (words_ == 0) {
        // Control flow keeps its statements with it (SQLite refuses it whole).
        routine_ = word == "IF" || word == "WHILE" || word == "ELSE";
      }
      if (words_ == 1 && (first_ == "CREATE" || first_ == "ALTER")) {
        routine_ = word == "PROC" || word == "PROCEDURE" || word == "FUNCTION" || word == "TRIGGER";
        view_ = word == "VIEW";
      }
    }
    if (!IsSpace(t)) ++words_;
    previous_ = t;
    lineStart_ = false;
    current_.push_back(t);
  }

  // Whether the word at `i` begins a new statement.
  bool Starts(const Tokens& tokens, size_t i) const {
    const Token& t = tokens[i];
    if (t.kind != Kind::kWord || words_ == 0) return false;
    std::string word = ToUpper(t.text);
    std::string prev = previous_.kind == Kind::kWord ? ToUpper(previous_.text) : previous_.text;
    size_t nextIndex = Next(tokens, i);
    std::string next = nextIndex < tokens.size() && tokens[nextIndex].kind == Kind::kWord
                           ? ToUpper(tokens[nextIndex].text)
                           : std::string();
    auto prevIs = [&](std::initializer_list<std::string_view> list) {
      return std::find(list.begin(), list.end(), prev) != list.end();
    };
    auto nextIs = [&](std::initializer_list<std::string_view> list) {
      return std::find(list.begin(), list.end(), next) != list.end();
    };
    // EXEC needs no line break: "EXEC a 'x' EXEC b 'y'" is two statements.
    if (word == "EXEC" || word == "EXECUTE") return !prevIs({"GRANT", "WITH", "DENY", "REVOKE", ","});
    if (!lineStart_) return false;
    if (word == "SELECT") {
      if (first_ == "INSERT" && !sawValues_) return false;
      if (first_ == "WITH" || first_ == "DECLARE") return false;
      return !prevIs({"UNION", "ALL", "EXCEPT", "INTERSECT", "AS", "FOR", "(", ","});
    }
    if (word == "INSERT" || word == "UPDATE" || word == "DELETE") {
      return !prevIs({"ON", "FOR", "AFTER", "OF", "INSTEAD", ","});
    }
    if (word == "SET") {
      if ((first_ == "UPDATE" || (first_ == "ALTER" && second_ == "DATABASE")) && !sawSet_) return false;
      return !prevIs({"DELETE", "UPDATE"});
    }
    if (word == "ALTER") {
      return nextIs({"TABLE", "VIEW", "PROC", "PROCEDURE", "FUNCTION", "TRIGGER", "DATABASE", "INDEX", "LOGIN", "USER",
                     "SCHEMA"});
    }
    if (word == "DROP") {
      return nextIs({"TABLE", "VIEW", "INDEX", "PROC", "PROCEDURE", "FUNCTION", "TRIGGER", "DATABASE", "STATISTICS",
                     "LOGIN", "USER", "SCHEMA", "TYPE", "SYNONYM", "RULE"});
    }
    if (word == "BEGIN") return nextIs({"TRAN", "TRANSACTION", "DISTRIBUTED"});
    if (word == "GRANT") return !prevIs({"WITH"});
    static constexpr std::string_view kAlways[] = {"CREATE", "TRUNCATE", "DECLARE", "PRINT", "USE",
                                                   "COMMIT", "ROLLBACK", "REVOKE",  "DENY"};
    return std::find(std::begin(kAlways), std::end(kAlways), word) != std::end(kAlways);
  }

  void Flush() {
    if (words_ > 0) statements_.push_back(std::move(current_));
    current_.clear();
    depth_ = 0;
    words_ = 0;
    first_.clear();
    second_.clear();
    sawValues_ = sawSet_ = routine_ = view_ = false;
    lineStart_ = true;
  }

  std::vector<Tokens> statements_;
  Tokens current_;
  Token previous_{Kind::kSpace, " "};
  int depth_ = 0;
  int words_ = 0;  // tokens other than spaces in the current statement
  std::string first_, second_;
  bool sawValues_ = false, sawSet_ = false, routine_ = false, view_ = false, lineStart_ = true;
};

// ----- rewrites inside a statement -----

bool IsHint(const Token& t) {
  return IsAnyWord(t, {"NOLOCK", "READUNCOMMITTED", "READCOMMITTED", "READCOMMITTEDLOCK", "REPEATABLEREAD",
                       "SERIALIZABLE", "HOLDLOCK", "UPDLOCK", "XLOCK", "ROWLOCK", "PAGLOCK", "TABLOCK", "TABLOCKX",
                       "NOWAIT", "READPAST", "NOEXPAND", "FORCESEEK", "FORCESCAN", "INDEX", "FASTFIRSTROW"});
}

void DropDbo(Tokens& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (!IsName(t[i], "dbo")) continue;
    size_t dot = Next(t, i);
    if (AtPunct(t, dot, ".")) {
      Erase(t, i, dot);
      --i;
    }
  }
}

// Table hints and index options.
void DropHints(Tokens& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (IsWord(t[i], "WITH")) {
      size_t open = Next(t, i);
      if (AtPunct(t, open, "(")) {
        size_t inner = Next(t, open);
        bool option = inner < t.size() && t[inner].kind == Kind::kWord && AtPunct(t, Next(t, inner), "=");
        if (inner < t.size() && (IsHint(t[inner]) || option)) {
          size_t close = Matching(t, open);
          Erase(t, i, std::min(close, t.size() - 1));
          --i;
        }
      } else if (At(t, open, "FILLFACTOR")) {
        size_t equals = Next(t, open);
        size_t value = Next(t, equals);
        Erase(t, i, std::min(value, t.size() - 1));
        --i;
      } else if (open < t.size() && IsAnyWord(t[open], {"SCHEMABINDING", "ENCRYPTION", "VIEW_METADATA"})) {
        Erase(t, i, open);
        --i;
      } else if (At(t, open, "CHECK") && At(t, Next(t, open), "OPTION")) {
        Erase(t, i, Next(t, open));
        --i;
      }
    } else if (IsPunct(t[i], "(")) {
      // The old form without WITH: "FROM T (NOLOCK)".
      size_t before = Prev(t, i);
      if (before == std::string::npos || (t[before].kind != Kind::kWord && t[before].kind != Kind::kIdentifier)) continue;
      size_t close = Matching(t, i);
      if (close >= t.size()) continue;
      bool allHints = true, anyHint = false;
      for (size_t k = i + 1; k < close; ++k) {
        if (IsSpace(t[k]) || IsPunct(t[k], ",")) continue;
        if (IsHint(t[k]) && !IsWord(t[k], "INDEX")) {
          anyHint = true;
        } else {
          allHints = false;
        }
      }
      if (allHints && anyHint) {
        Erase(t, i, close);
        --i;
      }
    }
  }
}

// CLUSTERED, NONCLUSTERED, ON [PRIMARY], TEXTIMAGE_ON [PRIMARY].
void DropStorage(Tokens& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (IsAnyWord(t[i], {"CLUSTERED", "NONCLUSTERED"})) {
      Erase(t, i, i);
      --i;
      continue;
    }
    if (IsAnyWord(t[i], {"ON", "TEXTIMAGE_ON"})) {
      size_t group = Next(t, i);
      if (group >= t.size()) continue;
      bool primary = (t[group].kind == Kind::kIdentifier && EqualsIgnoreCase(t[group].text, "PRIMARY")) ||
                     (IsWord(t[group], "PRIMARY") && !At(t, Next(t, group), "KEY"));
      if (primary || IsWord(t[i], "TEXTIMAGE_ON")) {
        Erase(t, i, group);
        --i;
      }
    }
  }
}

void NormalizeCollations(Tokens& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (!IsWord(t[i], "COLLATE")) continue;
    size_t name = Next(t, i);
    if (name >= t.size()) continue;
    std::string upper = ToUpper(t[name].text);
    bool sensitive = upper.find("_CS") != std::string::npos || upper.find("_BIN") != std::string::npos ||
                     upper == "BINARY";
    t[name] = {Kind::kWord, sensitive ? "BINARY" : "NOCASE"};
  }
}

void ExpandMaxLengths(Tokens& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (!IsAnyWord(t[i], {"VARCHAR", "NVARCHAR", "VARBINARY"})) continue;
    size_t open = Next(t, i);
    size_t max = Next(t, open);
    if (AtPunct(t, open, "(") && At(t, max, "MAX") && AtPunct(t, Next(t, max), ")")) {
      t[max] = {Kind::kNumber, "2147483647"};
    }
  }
}

constexpr std::string_view kLocalNow = "(datetime('now','localtime'))";

void RewriteFunctions(Tokens& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i].kind != Kind::kWord) continue;
    size_t open = Next(t, i);
    bool call = AtPunct(t, open, "(");
    if (call && IsWord(t[i], "LEN")) {
      // T-SQL's LEN leaves trailing blanks out.
      size_t close = Matching(t, open);
      if (close >= t.size()) continue;
      t.insert(t.begin() + static_cast<std::ptrdiff_t>(close), Token{Kind::kPunct, ")"});
      t.insert(t.begin() + static_cast<std::ptrdiff_t>(open) + 1, {Token{Kind::kWord, "rtrim"}, Token{Kind::kPunct, "("}});
      t[i].text = "length";
    } else if (call && IsWord(t[i], "ISNULL")) {
      t[i].text = "ifnull";
    } else if (call && IsAnyWord(t[i], {"GETDATE", "GETUTCDATE"})) {
      size_t close = Next(t, open);
      if (!AtPunct(t, close, ")")) continue;
      bool utc = IsWord(t[i], "GETUTCDATE");
      Erase(t, i + 1, close);
      t[i] = {Kind::kRaw, utc ? "(datetime('now'))" : std::string(kLocalNow)};
    } else if (call && IsWord(t[i], "SCOPE_IDENTITY") && AtPunct(t, Next(t, open), ")")) {
      Erase(t, i + 1, Next(t, open));
      t[i] = {Kind::kRaw, "last_insert_rowid()"};
    } else if (!call && IsWord(t[i], "@@IDENTITY")) {
      t[i] = {Kind::kRaw, "last_insert_rowid()"};
    } else if (!call && IsWord(t[i], "CURRENT_TIMESTAMP")) {
      t[i] = {Kind::kRaw, std::string(kLocalNow)};
    }
  }
}

// SELECT [DISTINCT|ALL] TOP n ... becomes SELECT ... LIMIT n.
void RewriteTop(Tokens& t) {
  struct Pending {
    int depth;
    std::string count;
  };
  std::vector<Pending> pending;
  int depth = 0;
  for (size_t i = 0; i < t.size(); ++i) {
    if (IsPunct(t[i], "(")) {
      ++depth;
    } else if (IsPunct(t[i], ")")) {
      if (!pending.empty() && pending.back().depth == depth) {
        InsertRaw(t, i, "LIMIT " + pending.back().count);
        pending.pop_back();
        i += 2;
      }
      --depth;
    } else if (IsWord(t[i], "SELECT")) {
      size_t top = Next(t, i);
      if (At(t, top, "DISTINCT") || At(t, top, "ALL")) top = Next(t, top);
      if (!At(t, top, "TOP")) continue;
      size_t count = Next(t, top);
      if (count >= t.size()) continue;
      size_t end = count;
      std::string value;
      if (IsPunct(t[count], "(")) {
        end = Matching(t, count);
        if (end >= t.size()) continue;
        value = Emit(t, count + 1, end);
      } else if (t[count].kind == Kind::kNumber || t[count].kind == Kind::kWord) {
        value = t[count].text;
      } else {
        continue;
      }
      size_t percent = Next(t, end);
      if (At(t, percent, "PERCENT")) {
        if (value == "100") Erase(t, top, percent);
        continue;  // other percentages have no SQLite form: left for the engine to refuse
      }
      Erase(t, top, end);
      pending.push_back({depth, value});
    }
  }
  while (!pending.empty()) {
    t.push_back({Kind::kSpace, " "});
    t.push_back({Kind::kRaw, "LIMIT " + pending.back().count});
    pending.pop_back();
  }
}

// ----- statements -----

bool IsConstraintStart(const Token& t) {
  return IsAnyWord(t, {"CONSTRAINT", "PRIMARY", "UNIQUE", "FOREIGN", "CHECK", "INDEX"});
}

// The type of the column definition `e` (its name first): [start, end] of
// its tokens, or npos when it has none.
std::pair<size_t, size_t> TypeOf(const Tokens& e) {
  size_t name = First(e);
  size_t type = Next(e, name);
  if (type >= e.size() || e[type].kind != Kind::kWord ||
      IsAnyWord(e[type], {"CONSTRAINT", "NOT", "NULL", "DEFAULT", "PRIMARY", "UNIQUE", "CHECK", "REFERENCES",
                          "COLLATE", "IDENTITY", "AS"})) {
    return {std::string::npos, std::string::npos};
  }
  size_t end = type;
  if (IsWord(e[type], "DOUBLE") && At(e, Next(e, type), "PRECISION")) end = Next(e, type);
  size_t open = Next(e, end);
  if (AtPunct(e, open, "(")) end = std::min(Matching(e, open), e.size() - 1);
  return {type, end};
}

// "[Nombre] [varchar] (40)": a type written as a quoted name is a type.
void UnquoteType(Tokens& e) {
  size_t type = Next(e, First(e));
  if (type < e.size() && e[type].kind == Kind::kIdentifier && !e[type].text.empty() &&
      std::all_of(e[type].text.begin(), e[type].text.end(),
                  [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; })) {
    e[type].kind = Kind::kWord;
  }
}

// Gives a column what keeps its values as on the server (ColumnRules.h):
// text columns their collation and length, exact numbers their digits.
void CollateTextColumn(Tokens& e) {
  auto [type, end] = TypeOf(e);
  if (type == std::string::npos) return;
  const size_t open = Next(e, type);
  const std::string arguments = AtPunct(e, open, "(") && end > open ? Emit(e, open + 1, end) : std::string();
  const Token& name = e[First(e)];
  const ColumnAdaptation adaptation =
      AdaptColumn(e[type].text, arguments, QuoteIdentifier(name.text), HasWord(e, "COLLATE"));
  if (!adaptation.type.empty()) {
    Erase(e, type, end);
    e.insert(e.begin() + static_cast<std::ptrdiff_t>(type), Token{Kind::kRaw, adaptation.type});
    end = type;
  }
  if (!adaptation.suffix.empty()) InsertRaw(e, end + 1, adaptation.suffix);
}

// Turns an IDENTITY column into SQLite's INTEGER PRIMARY KEY AUTOINCREMENT.
// Returns false when the column is no identity column.
bool RewriteIdentityColumn(Tokens& e) {
  size_t identity = e.size();
  for (size_t k = 0; k < e.size(); ++k) {
    if (IsWord(e[k], "IDENTITY")) identity = k;
  }
  if (identity == e.size()) return false;
  size_t last = identity;
  if (AtPunct(e, Next(e, identity), "(")) last = std::min(Matching(e, Next(e, identity)), e.size() - 1);
  size_t after = Next(e, last);
  if (At(e, after, "NOT") && At(e, Next(e, after), "FOR") && At(e, Next(e, Next(e, after)), "REPLICATION")) {
    last = Next(e, Next(e, after));
  }
  Erase(e, identity, last);
  // A primary key of its own is the one SQLite's rowid alias gives.
  for (size_t k = 0; k < e.size(); ++k) {
    if (IsWord(e[k], "PRIMARY") && At(e, Next(e, k), "KEY")) {
      size_t from = k, to = Next(e, k);
      if (At(e, Next(e, to), "ASC") || At(e, Next(e, to), "DESC")) to = Next(e, to);
      size_t before = Prev(e, k);
      if (before != std::string::npos && before > 0) {
        size_t keyword = Prev(e, before);
        if (keyword != std::string::npos && IsWord(e[keyword], "CONSTRAINT")) from = keyword;
      }
      Erase(e, from, to);
      break;
    }
  }
  auto [type, end] = TypeOf(e);
  if (type == std::string::npos) {
    InsertRaw(e, First(e) + 1, "INTEGER PRIMARY KEY AUTOINCREMENT");
  } else {
    Erase(e, type, end);
    e.insert(e.begin() + static_cast<std::ptrdiff_t>(type), Token{Kind::kRaw, "INTEGER PRIMARY KEY AUTOINCREMENT"});
  }
  return true;
}

// The column names inside the parenthesised list that starts at `open`.
std::vector<std::string> ColumnList(const Tokens& t, size_t open) {
  std::vector<std::string> names;
  size_t close = Matching(t, open);
  for (size_t k = open + 1; k < close && k < t.size(); ++k) {
    if ((t[k].kind == Kind::kWord || t[k].kind == Kind::kIdentifier) && !IsAnyWord(t[k], {"ASC", "DESC"})) {
      names.push_back(t[k].text);
    }
  }
  return names;
}

std::string CreateTable(Tokens t) {
  size_t open = 0;
  while (open < t.size() && !IsPunct(t[open], "(")) ++open;
  if (open >= t.size()) return Emit(t);
  size_t close = Matching(t, open);
  if (close >= t.size()) return Emit(t);
  std::vector<Tokens> elements;
  for (auto [from, to] : SplitAtCommas(t, open + 1, close)) elements.push_back(Slice(t, from, to));

  std::string identity;
  for (Tokens& e : elements) {
    size_t first = First(e);
    if (first >= e.size() || IsConstraintStart(e[first])) continue;
    UnquoteType(e);
    if (RewriteIdentityColumn(e)) {
      identity = e[first].text;
    } else {
      CollateTextColumn(e);
    }
  }
  if (!identity.empty()) {
    // A primary key on other columns than the identity becomes a unique key;
    // one on the identity alone is already there.
    for (auto it = elements.begin(); it != elements.end();) {
      Tokens& e = *it;
      size_t first = First(e);
      size_t primary = first;
      if (At(e, first, "CONSTRAINT")) primary = Next(e, Next(e, first));
      if (At(e, primary, "PRIMARY") && At(e, Next(e, primary), "KEY")) {
        size_t key = Next(e, primary);
        size_t list = Next(e, key);
        std::vector<std::string> columns = AtPunct(e, list, "(") ? ColumnList(e, list) : std::vector<std::string>{};
        if (columns.size() == 1 && EqualsIgnoreCase(columns[0], identity)) {
          it = elements.erase(it);
          continue;
        }
        e[primary].text = "UNIQUE";
        Erase(e, key, key);
      }
      ++it;
    }
  }
  std::string out = Emit(t, 0, open + 1);
  for (size_t k = 0; k < elements.size(); ++k) out += (k ? ", " : "") + Emit(elements[k]);
  std::string tail = Emit(t, close + 1);
  return out + ")" + (tail.empty() ? "" : " " + tail);
}

// ALTER TABLE t ADD a, b, CONSTRAINT c UNIQUE (x): one statement each.
std::vector<std::string> AlterTableAdd(const Tokens& t, size_t nameStart, size_t add) {
  std::string table = Emit(t, nameStart, add);
  // WITH CHECK / WITH NOCHECK before ADD have no SQLite form.
  {
    Tokens name = Slice(t, nameStart, add);
    size_t with = 0;
    while (with < name.size() && !IsWord(name[with], "WITH")) ++with;
    if (with < name.size()) table = Emit(name, 0, with);
  }
  std::string tableName;  // for a generated index name
  for (size_t k = nameStart; k < add; ++k) {
    if (t[k].kind == Kind::kWord || t[k].kind == Kind::kIdentifier) {
      tableName = t[k].text;
      break;
    }
  }
  size_t from = Next(t, add);
  if (At(t, from, "COLUMN")) from = Next(t, from);
  std::vector<std::string> out;
  for (auto [start, end] : SplitAtCommas(t, from, t.size())) {
    Tokens e = Slice(t, start, end);
    size_t first = First(e);
    if (first >= e.size()) continue;
    size_t kind = first;
    std::string name;
    if (At(e, first, "CONSTRAINT")) {
      size_t nameIndex = Next(e, first);
      if (nameIndex < e.size()) name = Emit(e, nameIndex, nameIndex + 1);
      kind = Next(e, nameIndex);
    }
    bool unique = At(e, kind, "UNIQUE");
    bool primary = At(e, kind, "PRIMARY") && At(e, Next(e, kind), "KEY");
    if (unique || primary) {
      size_t list = Next(e, primary ? Next(e, kind) : kind);
      if (AtPunct(e, list, "(")) {
        size_t close = std::min(Matching(e, list), e.size() - 1);
        if (name.empty()) {
          std::string generated = (primary ? "PK_" : "UQ_") + tableName;
          for (const std::string& column : ColumnList(e, list)) generated += "_" + column;
          name = QuoteIdentifier(generated);
        }
        out.push_back("CREATE UNIQUE INDEX " + name + " ON " + table + " " + Emit(e, list, close + 1));
        continue;
      }
    }
    if (IsConstraintStart(e[first]) || IsAnyWord(e[first], {"DEFAULT"})) {
      out.push_back("ALTER TABLE " + table + " ADD " + Emit(e));  // no SQLite form: the engine refuses it
      continue;
    }
    UnquoteType(e);
    CollateTextColumn(e);
    out.push_back("ALTER TABLE " + table + " ADD COLUMN " + Emit(e));
  }
  return out;
}

bool IsSetOption(const Token& t) {
  return IsAnyWord(t, {"NOCOUNT",
                       "ARITHABORT",
                       "DATEFORMAT",
                       "DATEFIRST",
                       "LANGUAGE",
                       "ANSI_NULLS",
                       "ANSI_PADDING",
                       "ANSI_WARNINGS",
                       "ANSI_NULL_DFLT_ON",
                       "ANSI_NULL_DFLT_OFF",
                       "ANSI_DEFAULTS",
                       "QUOTED_IDENTIFIER",
                       "CONCAT_NULL_YIELDS_NULL",
                       "NUMERIC_ROUNDABORT",
                       "XACT_ABORT",
                       "IMPLICIT_TRANSACTIONS",
                       "CURSOR_CLOSE_ON_COMMIT",
                       "LOCK_TIMEOUT",
                       "DEADLOCK_PRIORITY",
                       "TRANSACTION",
                       "ARITHIGNORE",
                       "TEXTSIZE"});
}

void AdaptStatement(Tokens t, std::vector<std::string>& out) {
  DropDbo(t);
  DropHints(t);
  DropStorage(t);
  NormalizeCollations(t);
  ExpandMaxLengths(t);
  RewriteFunctions(t);
  RewriteTop(t);

  size_t w0 = First(t);
  if (w0 >= t.size()) return;
  size_t w1 = Next(t, w0);
  const Token& first = t[w0];
  if (IsWord(first, "SET") && w1 < t.size() && IsSetOption(t[w1])) return;
  if (IsWord(first, "PRINT")) return;
  if (IsWord(first, "ALTER") && At(t, w1, "DATABASE")) {
    if (HasWord(t, "SET")) return;
  }
  if (IsWord(first, "BEGIN") && w1 < t.size() && IsAnyWord(t[w1], {"TRAN", "TRANSACTION", "DISTRIBUTED"})) {
    out.push_back("BEGIN");
    return;
  }
  if (IsWord(first, "COMMIT")) {
    out.push_back("COMMIT");
    return;
  }
  if (IsWord(first, "ROLLBACK")) {
    out.push_back("ROLLBACK");
    return;
  }
  if (IsWord(first, "CREATE") && At(t, w1, "TABLE")) {
    out.push_back(CreateTable(std::move(t)));
    return;
  }
  if (IsWord(first, "ALTER") && At(t, w1, "TABLE")) {
    size_t name = Next(t, w1);
    size_t add = name;
    while (add < t.size() && !IsWord(t[add], "ADD") && !IsAnyWord(t[add], {"ALTER", "DROP"})) add = Next(t, add);
    if (At(t, add, "ADD")) {
      for (std::string& s : AlterTableAdd(t, name, add)) out.push_back(std::move(s));
      return;
    }
  }
  if (IsWord(first, "DROP") && At(t, w1, "INDEX")) {
    // T-SQL names the table with the index: "DROP INDEX t.ix" or "DROP INDEX ix ON t".
    size_t a = Next(t, w1);
    if (At(t, a, "IF")) a = Next(t, Next(t, a));
    size_t dot = Next(t, a);
    if (AtPunct(t, dot, ".") && Next(t, dot) < t.size()) {
      Erase(t, a, dot);
    } else if (At(t, dot, "ON")) {
      t.resize(dot);
    }
  }
  std::string text = Emit(t);
  if (!text.empty()) out.push_back(std::move(text));
}

// The name at significant token `i` of `sig`, schema parts dropped; moves `i`
// past it.
std::string ReadName(const std::vector<const Token*>& sig, size_t& i) {
  std::string name;
  while (i < sig.size() && (sig[i]->kind == Kind::kWord || sig[i]->kind == Kind::kIdentifier ||
                            sig[i]->kind == Kind::kString)) {
    name = sig[i]->text;
    if (sig[i]->kind == Kind::kString && name.size() >= 2) name = name.substr(1, name.size() - 2);
    ++i;
    if (i < sig.size() && IsPunct(*sig[i], ".")) {
      ++i;
      continue;
    }
    break;
  }
  return name;
}

}  // namespace

std::vector<std::string> AdaptTSql(std::string_view batch) {
  std::vector<std::string> out;
  for (Tokens& statement : Splitter().Split(Tokenize(batch))) {
    if (At(statement, First(statement), "IF")) {
      const std::vector<std::string> unguarded = UnguardStatement(Emit(statement));
      for (const std::string& plain : unguarded) AdaptStatement(Tokenize(plain), out);
      if (!unguarded.empty()) continue;
    }
    AdaptStatement(std::move(statement), out);
  }
  return out;
}

StatementInfo DescribeStatement(std::string_view statement) {
  Tokens tokens = Tokenize(statement.substr(0, 400));
  std::vector<const Token*> sig;
  for (const Token& t : tokens) {
    if (!IsSpace(t)) sig.push_back(&t);
  }
  StatementInfo info;
  if (sig.empty()) return info;
  auto word = [&](size_t i) { return i < sig.size() && sig[i]->kind == Kind::kWord ? ToUpper(sig[i]->text) : std::string(); };
  size_t i = 1;
  auto skipIf = [&](std::initializer_list<std::string_view> words) {
    for (std::string_view w : words) {
      if (word(i) != w) return;
      ++i;
    }
  };
  std::string first = word(0);
  if (first == "SELECT" || first == "WITH" || first == "VALUES") {
    info.kind = StatementKind::kSelect;
  } else if (first == "INSERT") {
    info.kind = StatementKind::kInsert;
    skipIf({"OR"});
    if (word(i) == "REPLACE" || word(i) == "IGNORE") ++i;
    skipIf({"INTO"});
    info.object = ReadName(sig, i);
  } else if (first == "UPDATE") {
    info.kind = StatementKind::kUpdate;
    info.object = ReadName(sig, i);
  } else if (first == "DELETE") {
    info.kind = StatementKind::kDelete;
    skipIf({"FROM"});
    info.object = ReadName(sig, i);
  } else if (first == "CREATE") {
    skipIf({"UNIQUE"});
    if (word(i) == "TEMP" || word(i) == "TEMPORARY") ++i;
    std::string what = word(i++);
    skipIf({"IF", "NOT", "EXISTS"});
    if (what == "TABLE") {
      info.kind = StatementKind::kCreateTable;
    } else if (what == "VIEW") {
      info.kind = StatementKind::kCreateView;
    } else if (what == "INDEX") {
      info.kind = StatementKind::kCreateIndex;
    } else if (what == "DATABASE") {
      info.kind = StatementKind::kCreateDatabase;
    } else {
      return info;
    }
    info.object = ReadName(sig, i);
    if (info.kind == StatementKind::kCreateIndex && word(i) == "ON") {
      ++i;
      info.table = ReadName(sig, i);
    }
  } else if (first == "ALTER" && word(1) == "TABLE") {
    info.kind = StatementKind::kAlterTable;
    i = 2;
    info.object = ReadName(sig, i);
  } else if (first == "DROP") {
    std::string what = word(i++);
    skipIf({"IF", "EXISTS"});
    if (what == "TABLE") {
      info.kind = StatementKind::kDropTable;
    } else if (what == "VIEW") {
      info.kind = StatementKind::kDropView;
    } else if (what == "INDEX") {
      info.kind = StatementKind::kDropIndex;
    } else {
      return info;
    }
    info.object = ReadName(sig, i);
  } else if (first == "BEGIN") {
    info.kind = StatementKind::kBegin;
  } else if (first == "COMMIT" || first == "END") {
    info.kind = StatementKind::kCommit;
  } else if (first == "ROLLBACK") {
    info.kind = StatementKind::kRollback;
  } else if (first == "EXEC" || first == "EXECUTE") {
    info.kind = StatementKind::kExec;
    if (i + 1 < sig.size() && sig[i]->kind == Kind::kWord && sig[i]->text.starts_with('@') &&
        IsPunct(*sig[i + 1], "=")) {
      i += 2;
    }
    info.object = ReadName(sig, i);
  } else if (first == "USE") {
    info.kind = StatementKind::kUse;
    info.object = ReadName(sig, i);
  }
  return info;
}

std::string QuoteIdentifier(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

}  // namespace tramvel::ado::sqlite
