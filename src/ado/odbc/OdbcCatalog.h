#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ado/Errors.h"
#include "ado/odbc/OdbcSession.h"

namespace tramvel::ado::odbc {

// A table or view as the server's catalogue names it (the names compare
// without regard to case, as on SQL Server: PostgreSQL keeps an unquoted
// TA_X as ta_x).
struct TableInfo {
  std::string schema;                // "" when the server has none
  std::string name;                  // as stored
  std::string type;                  // "TABLE", "VIEW", ...
  std::vector<std::string> columns;  // as stored, in order
  std::vector<std::string> keys;     // the primary key's columns, in order; none when it has no key
};

// Reads the catalogue of the session's connection through ODBC's catalogue
// functions, so that no server's own system tables are named.
class Catalog {
 public:
  explicit Catalog(OdbcSession& session) : session_(session) {}

  // The table or view `written` ("T", "dbo.T", "[dbo].[T]", "s.T") names;
  // nullopt when there is none, or on an error (appended to `errors`).
  std::optional<TableInfo> Find(std::string_view written, ErrorList& errors) const;

  // `info` with its columns (and, for a table, its primary key) filled.
  bool Complete(TableInfo& info, ErrorList& errors) const;

 private:
  OdbcSession& session_;
};

// The one table a plain single-table SELECT reads ("SELECT a, b FROM T
// with(nolock) WHERE ..."): "" for a join, a sub-query, a union or anything
// else.
std::string SingleTableOf(std::string_view select);

// "[dbo].[T]" and "dbo.T" name T in schema dbo: the parts without their brackets
// or quotes.
std::pair<std::string, std::string> SplitName(std::string_view written);

}  // namespace tramvel::ado::odbc
