#include "ado/sqlite/TSqlTableRewrites.h"

#include <algorithm>
#include <cctype>

#include "ado/sqlite/ColumnRules.h"
#include "ado/sqlite/TSqlAdaptation.h"
#include "platform/TextCase.h"

namespace tramvel::ado::sqlite::tsql {
namespace {

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

}  // namespace

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

}  // namespace tramvel::ado::sqlite::tsql
