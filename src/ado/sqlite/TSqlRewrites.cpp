#include "ado/sqlite/TSqlRewrites.h"

#include <algorithm>

#include "ado/sqlite/TSqlTableRewrites.h"
#include "platform/TextCase.h"

namespace tramvel::ado::sqlite::tsql {
namespace {

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

}  // namespace

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

}  // namespace tramvel::ado::sqlite::tsql
