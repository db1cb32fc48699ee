#include "ado/odbc/OdbcSession.h"

#include "platform/TextCase.h"
#include "ado/odbc/OdbcResult.h"
#include "ado/odbc/OdbcText.h"

namespace tramvel::ado::odbc {
namespace {

std::string Info(const Handle& connection, SQLUSMALLINT what) {
  SQLWCHAR buffer[256] = {};
  SQLSMALLINT bytes = 0;
  if (!Succeeded(SQLGetInfoW(connection.get(), what, buffer, sizeof buffer, &bytes))) return {};
  return FromWide(buffer);
}

}  // namespace

OdbcSession::OdbcSession(Handle environment, Handle connection)
    : environment_(std::move(environment)), connection_(std::move(connection)) {
  const std::string dbms = Info(connection_, SQL_DBMS_NAME);
  sqlServer_ = FindIgnoreCase(dbms, "SQL Server") != std::string::npos;
  if (sqlServer_) {
    newKeyQuery_ = "SELECT SCOPE_IDENTITY()";
  } else if (EqualsIgnoreCase(dbms, "PostgreSQL")) {
    newKeyQuery_ = "SELECT lastval()";
  } else if (EqualsIgnoreCase(dbms, "SQLite")) {
    newKeyQuery_ = "SELECT last_insert_rowid()";
  }
  const std::string quote = Info(connection_, SQL_IDENTIFIER_QUOTE_CHAR);
  quote_ = quote == " " ? "" : quote.empty() ? "\"" : quote;
}

void OdbcSession::Park() {
  if (live_) live_->Park();
}

Handle OdbcSession::NewStatement(ErrorList& errors) {
  Park();
  SQLHANDLE raw = SQL_NULL_HANDLE;
  if (Failed(SQLAllocHandle(SQL_HANDLE_STMT, connection_.get(), &raw), connection_, errors)) return {};
  Handle statement(SQL_HANDLE_STMT, raw);
  // A driver that cannot limit a statement's time says so with a warning; the
  // statement still runs.
  SQLSetStmtAttr(statement.get(), SQL_ATTR_QUERY_TIMEOUT,
                 reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(timeout_ < 0 ? 0 : timeout_)), 0);
  return statement;
}

std::string OdbcSession::Quote(std::string_view name) const {
  const std::string open = sqlServer_ ? "[" : quote_;
  const std::string close = sqlServer_ ? "]" : quote_;
  if (close.empty()) return std::string(name);
  std::string out = open;
  for (char c : name) {
    out += c;
    if (close.size() == 1 && c == close[0]) out += c;
  }
  return out + close;
}

}  // namespace tramvel::ado::odbc
