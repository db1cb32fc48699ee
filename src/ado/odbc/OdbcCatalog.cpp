#include "ado/odbc/OdbcCatalog.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/TextCase.h"
#include "ado/odbc/OdbcDiagnostics.h"
#include "ado/odbc/OdbcText.h"

namespace tramvel::ado::odbc {
namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string Text(const Handle& statement, SQLUSMALLINT column) {
  std::string out;
  SQLWCHAR piece[1024];
  for (;;) {
    SQLLEN indicator = 0;
    SQLRETURN rc = SQLGetData(statement.get(), column, SQL_C_WCHAR, piece, sizeof piece, &indicator);
    if (!Succeeded(rc) || indicator == SQL_NULL_DATA) return out;
    out += FromWide(piece);
    if (rc == SQL_SUCCESS) return out;
  }
}

// The rows of a catalogue function run on a statement of its own: the
// columns asked for, as texts.
template <typename Call>
bool CatalogRows(OdbcSession& session, Call call, std::initializer_list<SQLUSMALLINT> columns, Rows& rows,
                 ErrorList& errors) {
  Handle statement = session.NewStatement(errors);
  if (!statement) return false;
  if (Failed(call(statement.get()), statement, errors)) return false;
  for (;;) {
    SQLRETURN rc = SQLFetch(statement.get());
    if (rc == SQL_NO_DATA) return true;
    if (Failed(rc, statement, errors)) return false;
    std::vector<std::string> row;
    for (SQLUSMALLINT column : columns) row.push_back(Text(statement, column));
    rows.push_back(std::move(row));
  }
}

std::string Unquoted(std::string_view part) {
  std::string out;
  for (char c : part) {
    if (c != '[' && c != ']' && c != '"' && c != '`') out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  while (!out.empty() && out.front() == ' ') out.erase(out.begin());
  return out;
}

// A name in the three spellings a catalogue may hold it in.
std::vector<std::string> Spellings(const std::string& name) {
  std::vector<std::string> out{name};
  for (std::string other : {ToLower(name), ToUpper(name)}) {
    if (std::find(out.begin(), out.end(), other) == out.end()) out.push_back(other);
  }
  return out;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == '#'; }

// The words and punctuation of a statement outside its literals, in upper case.
std::vector<std::string> Tokens(std::string_view sql) {
  std::vector<std::string> tokens;
  for (size_t i = 0; i < sql.size();) {
    const char c = sql[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '\'') {
      size_t close = i + 1;
      while (close < sql.size() && sql[close] != '\'') ++close;
      tokens.push_back("'");
      i = close + 1;
    } else if (c == '[' || c == '"') {
      const char end = c == '[' ? ']' : '"';
      size_t close = sql.find(end, i + 1);
      if (close == std::string_view::npos) close = sql.size();
      tokens.push_back(std::string(sql.substr(i, close + 1 - i)));
      i = close + 1;
    } else if (IsWordChar(c) || static_cast<unsigned char>(c) >= 0x80) {
      size_t end = i;
      while (end < sql.size() && (IsWordChar(sql[end]) || static_cast<unsigned char>(sql[end]) >= 0x80)) ++end;
      tokens.push_back(std::string(sql.substr(i, end - i)));
      i = end;
    } else {
      tokens.push_back(std::string(1, c));
      ++i;
    }
  }
  return tokens;
}

}  // namespace

std::pair<std::string, std::string> SplitName(std::string_view written) {
  // The last dot outside brackets divides schema from name.
  size_t dot = std::string_view::npos;
  bool inBracket = false, inQuote = false;
  for (size_t i = 0; i < written.size(); ++i) {
    const char c = written[i];
    if (c == '[' && !inQuote) inBracket = true;
    else if (c == ']' && !inQuote) inBracket = false;
    else if (c == '"' && !inBracket) inQuote = !inQuote;
    else if (c == '.' && !inBracket && !inQuote) dot = i;
  }
  if (dot == std::string_view::npos) return {"", Unquoted(written)};
  std::string schema = Unquoted(written.substr(0, dot));
  if (size_t inner = schema.rfind('.'); inner != std::string::npos) schema = schema.substr(inner + 1);
  return {schema, Unquoted(written.substr(dot + 1))};
}

std::optional<TableInfo> Catalog::Find(std::string_view written, ErrorList& errors) const {
  auto [schema, name] = SplitName(written);
  if (name.empty()) return std::nullopt;
  // SQL Server's dbo is the default schema; other servers have none of that name.
  if (EqualsIgnoreCase(schema, "dbo")) schema.clear();
  for (const std::string& spelling : Spellings(name)) {
    Rows rows;
    WideText pattern = ToWide(spelling);
    auto call = [&](SQLHSTMT s) {
      return SQLTablesW(s, nullptr, 0, nullptr, 0, pattern.data(), SQL_NTS, nullptr, 0);
    };
    if (!CatalogRows(session_, call, {2, 3, 4}, rows, errors)) return std::nullopt;
    for (const auto& row : rows) {
      if (!EqualsIgnoreCase(row[1], name)) continue;
      if (!schema.empty() && !EqualsIgnoreCase(row[0], schema)) continue;
      return TableInfo{row[0], row[1], ToUpper(row[2]), {}, {}};
    }
  }
  return std::nullopt;
}

bool Catalog::Complete(TableInfo& info, ErrorList& errors) const {
  WideText schema = ToWide(info.schema);
  WideText table = ToWide(info.name);
  SQLWCHAR* schemaArg = info.schema.empty() ? nullptr : schema.data();
  Rows columns;
  auto listColumns = [&](SQLHSTMT s) {
    return SQLColumnsW(s, nullptr, 0, schemaArg, schemaArg ? SQL_NTS : 0, table.data(), SQL_NTS, nullptr, 0);
  };
  if (!CatalogRows(session_, listColumns, {3, 4}, columns, errors)) return false;
  info.columns.clear();
  for (const auto& row : columns) {
    // A pattern's "_" matches any letter: keep this table's own columns only.
    if (row[0] == info.name) info.columns.push_back(row[1]);
  }
  info.keys.clear();
  if (info.type != "TABLE") return true;
  Rows keys;
  auto listKeys = [&](SQLHSTMT s) {
    return SQLPrimaryKeysW(s, nullptr, 0, schemaArg, schemaArg ? SQL_NTS : 0, table.data(), SQL_NTS);
  };
  ErrorList ignored;  // a driver without primary keys leaves the rows to be found by all their values
  if (!CatalogRows(session_, listKeys, {4, 5}, keys, ignored)) return true;
  std::map<int, std::string> ordered;
  for (const auto& row : keys) ordered[std::atoi(row[1].c_str())] = row[0];
  for (const auto& [sequence, column] : ordered) info.keys.push_back(column);
  return true;
}

std::string SingleTableOf(std::string_view select) {
  const std::vector<std::string> tokens = Tokens(select);
  const auto is = [&](size_t i, const char* word) { return i < tokens.size() && EqualsIgnoreCase(tokens[i], word); };
  if (!is(0, "SELECT")) return {};
  static const char* const kRefused[] = {"SELECT", "JOIN", "UNION", "INTERSECT", "EXCEPT", "DISTINCT", "GROUP", "INTO"};
  size_t from = 0;
  for (size_t i = 1; i < tokens.size(); ++i) {
    for (const char* refused : kRefused) {
      if (is(i, refused)) return {};  // a sub-query, a join, ...
    }
    if (from == 0 && is(i, "FROM")) from = i;
  }
  if (from == 0 || from + 1 >= tokens.size()) return {};
  // The name: parts joined by dots, in the letter case they were written in.
  size_t end = from + 1;
  std::string name = tokens[end];
  while (end + 2 < tokens.size() && tokens[end + 1] == ".") {
    name += "." + tokens[end + 2];
    end += 2;
  }
  // After it a table hint, an alias, WHERE or ORDER BY may follow; a comma
  // outside parentheses names a second table.
  int depth = 0;
  for (size_t i = end + 1; i < tokens.size() && !is(i, "WHERE") && !is(i, "ORDER"); ++i) {
    if (tokens[i] == "(") ++depth;
    if (tokens[i] == ")") --depth;
    if (tokens[i] == "," && depth == 0) return {};
  }
  return name;
}

}  // namespace tramvel::ado::odbc
