#include "ado/sqlite/SqliteReport.h"

#include <set>

#include "ado/sqlite/SqliteErrors.h"
#include "ado/sqlite/SqliteStatement.h"
#include "platform/TextCase.h"

namespace tramvel::ado::sqlite {
namespace {

// The name of the unique index that a "UNIQUE constraint failed: T.a, T.b"
// message means, when it has one of its own (not SQLite's automatic one).
std::string UniqueIndexName(sqlite3* db, std::string_view message) {
  constexpr std::string_view kPrefix = "UNIQUE constraint failed: ";
  if (!message.starts_with(kPrefix)) return {};
  std::string table;
  std::set<std::string> columns;
  std::string_view rest = message.substr(kPrefix.size());
  while (!rest.empty()) {
    size_t comma = rest.find(", ");
    std::string_view item = rest.substr(0, comma);
    size_t dot = item.find('.');
    if (dot == std::string_view::npos) return {};
    table = std::string(item.substr(0, dot));
    columns.insert(ToLower(item.substr(dot + 1)));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 2);
  }
  std::string found;
  sqlite3_stmt* list = nullptr;
  std::string sql = "SELECT name FROM pragma_index_list(?1) WHERE \"unique\" = 1";
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &list, nullptr) != SQLITE_OK) {
    sqlite3_finalize(list);
    return {};
  }
  sqlite3_bind_text(list, 1, table.c_str(), -1, SQLITE_TRANSIENT);
  while (found.empty() && sqlite3_step(list) == SQLITE_ROW) {
    std::string index = Text(sqlite3_column_text(list, 0), sqlite3_column_bytes(list, 0));
    sqlite3_stmt* info = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM pragma_index_info(?1)", -1, &info, nullptr) == SQLITE_OK) {
      sqlite3_bind_text(info, 1, index.c_str(), -1, SQLITE_TRANSIENT);
      std::set<std::string> indexed;
      while (sqlite3_step(info) == SQLITE_ROW) {
        indexed.insert(ToLower(Text(sqlite3_column_text(info, 0), sqlite3_column_bytes(info, 0))));
      }
      if (indexed == columns && !index.starts_with("sqlite_autoindex_")) found = index;
    }
    sqlite3_finalize(info);
  }
  sqlite3_finalize(list);
  return found;
}

}  // namespace

bool Report(sqlite3* db, int code, std::string message, std::string_view statement, const std::string& database,
            ErrorList& errors) {
  SqliteDiagnostic diagnostic;
  diagnostic.code = code;
  diagnostic.message = std::move(message);
  diagnostic.statement = std::string(statement);
  diagnostic.database = database;
  if (db && code == SQLITE_CONSTRAINT_UNIQUE) diagnostic.constraint = UniqueIndexName(db, diagnostic.message);
  TranslatedError translated = TranslateSqliteError(diagnostic);
  for (Error& error : translated.errors) {
    error.Source = kSource;
    errors.push_back(std::move(error));
  }
  return translated.abortsBatch;
}

}  // namespace tramvel::ado::sqlite
