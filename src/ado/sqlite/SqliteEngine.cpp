#include "ado/sqlite/SqliteEngine.h"

#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

#include "platform/Failure.h"
#include "ado/ConnectionCore.h"
#include "ado/sqlite/ExactNumbers.h"
#include "ado/sqlite/PaddedText.h"
#include "ado/sqlite/SqliteErrors.h"
#include "ado/sqlite/SqliteReport.h"
#include "ado/sqlite/SqliteRows.h"
#include "ado/sqlite/SqliteSessionLock.h"
#include "ado/sqlite/TSqlAdaptation.h"
#include "platform/TextCase.h"

namespace tramvel::ado {
namespace {

using sqlite::Bind;
using sqlite::DescribeStatement;
using sqlite::kSource;
using sqlite::Or;
using sqlite::QuoteIdentifier;
using sqlite::ReadColumn;
using sqlite::Report;
using sqlite::Statement;
using sqlite::StatementKind;

constexpr const char* kIdentityColumn = "__tramvel_rowid__";

// ----- files -----

bool ValidName(const std::string& database) {
  return !database.empty() && database.find_first_of("/\\:") == std::string::npos && database != "." &&
         database != "..";
}

// The file of `database` in `folder`, matched without regard to case; ""
// when there is none.
std::string FindDatabase(const std::string& folder, const std::string& database) {
  if (!ValidName(database)) return {};
  std::filesystem::path exact = std::filesystem::path(folder) / (database + ".sqlite");
  std::error_code ec;
  if (std::filesystem::is_regular_file(exact, ec)) return exact.string();
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (EqualsIgnoreCase(entry.path().filename().string(), database + ".sqlite") && entry.is_regular_file(ec)) {
      return entry.path().string();
    }
  }
  return {};
}

int ComparePadded(void*, int aBytes, const void* a, int bBytes, const void* b) {
  return sqlite::ComparePaddedTexts(std::string_view(static_cast<const char*>(a), static_cast<size_t>(aBytes)),
                                    std::string_view(static_cast<const char*>(b), static_cast<size_t>(bBytes)));
}

int CompareNumbers(void*, int aBytes, const void* a, int bBytes, const void* b) {
  return sqlite::CompareNumberTexts(std::string_view(static_cast<const char*>(a), static_cast<size_t>(aBytes)),
                                    std::string_view(static_cast<const char*>(b), static_cast<size_t>(bBytes)));
}

sqlite3* OpenFile(const std::string& path, bool create) {
  sqlite3* db = nullptr;
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    sqlite3_close_v2(db);
    return nullptr;
  }
  sqlite3_extended_result_codes(db, 1);
  const std::string collation(sqlite::kNumberCollation);
  sqlite3_create_collation_v2(db, collation.c_str(), SQLITE_UTF8, nullptr, CompareNumbers, nullptr);
  // Text columns carry NOCASE (the adaptation gives it them): here it
  // compares as SQL Server does, trailing blanks aside.
  sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, ComparePadded, nullptr);
  // As SQL Server with QUOTED_IDENTIFIER ON: "x" is always a name.
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  // WAL: readers do not wait for a writer. synchronous=FULL: a transaction
  // reported committed is on the disk, as on SQL Server, so that a power cut
  // after the job deleted a delivery on the web server cannot lose it.
  // Foreign keys are enforced, as by the server. A rename does not look into
  // views (sp_rename does not either).
  sqlite3_exec(db,
               "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON; "
               "PRAGMA legacy_alter_table=ON;",
               nullptr, nullptr, nullptr);
  return db;
}

// ----- the engine -----

class SqliteEngine final : public Engine {
 public:
  SqliteEngine(std::string folder, std::string database, sqlite3* db)
      : folder_(std::move(folder)), database_(std::move(database)), db_(db) {}
  ~SqliteEngine() override { sqlite3_close_v2(db_); }

  std::string Source() const override { return kSource; }

  std::unique_ptr<RowSource> Execute(std::string_view batch, const ExecuteOptions& options,
                                     ErrorList& errors) override {
    std::vector<std::string> statements = sqlite::AdaptTSql(batch);
    std::unique_ptr<RowSource> result;
    for (size_t i = 0; i < statements.size(); ++i) {
      const std::string& sql = statements[i];
      sqlite::StatementInfo info = DescribeStatement(sql);
      bool stop = false;
      switch (info.kind) {
        case StatementKind::kBegin: stop = Begin(sql, errors); break;
        case StatementKind::kCommit: stop = Commit(sql, errors); break;
        case StatementKind::kRollback: stop = Rollback(sql, errors); break;
        case StatementKind::kExec:
          stop = Fail(SQLITE_ERROR, sqlite::NoSuchProcedure(info.object), sql, errors);
          break;
        case StatementKind::kUse: {
          size_t before = errors.size();
          SetDefaultDatabase(info.object, errors);
          stop = errors.size() > before;
          break;
        }
        case StatementKind::kCreateDatabase: stop = CreateDatabase(info.object, sql, errors); break;
        default: stop = Run(sql, info, options.rowIdentity && !result, result, i + 1 == statements.size(), errors);
      }
      if (stop) break;
    }
    return result;
  }

  std::optional<RowWritten> WriteRow(const RowWrite& row, ErrorList& errors) override {
    bool insert = row.identity.IsEmpty();
    std::string sql;
    if (insert) {
      sql = "INSERT INTO " + QuoteIdentifier(row.table);
      if (row.columns.empty()) {
        sql += " DEFAULT VALUES";
      } else {
        std::string names, marks;
        for (size_t i = 0; i < row.columns.size(); ++i) {
          names += (i ? ", " : "") + QuoteIdentifier(row.columns[i]);
          marks += i ? ", ?" : "?";
        }
        sql += " (" + names + ") VALUES (" + marks + ")";
      }
    } else {
      sql = "UPDATE " + QuoteIdentifier(row.table) + " SET ";
      for (size_t i = 0; i < row.columns.size(); ++i) sql += (i ? ", " : "") + QuoteIdentifier(row.columns[i]) + " = ?";
      sql += " WHERE rowid = ?";
    }
    Statement statement = Prepare(sql, errors);
    if (!statement) return std::nullopt;
    int index = 1;
    for (const Variant& value : row.values) Bind(statement.get(), index++, value);
    if (!insert) Bind(statement.get(), index, row.identity);
    if (sqlite3_step(statement.get()) != SQLITE_DONE) {
      Fail(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_), sql, errors);
      return std::nullopt;
    }
    RowWritten written;
    written.identity = insert ? Variant(static_cast<int64_t>(sqlite3_last_insert_rowid(db_))) : row.identity;
    if (!insert && sqlite3_changes(db_) == 0) {
      Fail(SQLITE_ERROR, sqlite::RowNotFound(row.table), sql, errors);
      return std::nullopt;
    }
    if (row.reread.empty()) return written;
    std::string names;
    for (size_t i = 0; i < row.reread.size(); ++i) names += (i ? ", " : "") + QuoteIdentifier(row.reread[i]);
    std::string reread = "SELECT " + names + " FROM " + QuoteIdentifier(row.table) + " WHERE rowid = ?";
    Statement read = Prepare(reread, errors);
    if (!read) return std::nullopt;
    Bind(read.get(), 1, written.identity);
    if (sqlite3_step(read.get()) != SQLITE_ROW) {
      Fail(SQLITE_ERROR, sqlite::RowNotFound(row.table), reread, errors);
      return std::nullopt;
    }
    for (int i = 0; i < static_cast<int>(row.reread.size()); ++i) {
      ColumnKind kind = ColumnTypeOf(Or(sqlite3_column_decltype(read.get(), i), "")).kind;
      written.values.push_back(ReadColumn(read.get(), i, kind));
    }
    return written;
  }

  bool TableExists(std::string_view table, ErrorList& errors) override {
    return Exists("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", PlainName(table),
                  {}, errors);
  }

  bool ColumnExists(std::string_view table, std::string_view column, ErrorList& errors) override {
    return Exists("SELECT 1 FROM pragma_table_info(?1) WHERE name = ?2 COLLATE NOCASE", PlainName(table),
                  PlainName(column), errors);
  }

  std::string DefaultDatabase() const override { return database_; }

  void SetDefaultDatabase(const std::string& database, ErrorList& errors) override {
    if (EqualsIgnoreCase(database, database_)) return;
    std::string path = FindDatabase(folder_, database);
    sqlite3* db = path.empty() ? nullptr : OpenFile(path, false);
    if (!db) {
      Fail(SQLITE_ERROR, sqlite::NoSuchDatabase(database), "USE " + database, errors);
      return;
    }
    sqlite3_close_v2(db_);
    db_ = db;
    database_ = database;
    depth_ = 0;
    SetCommandTimeout(timeout_);
  }

  void SetCommandTimeout(int seconds) override {
    timeout_ = seconds;
    sqlite3_busy_timeout(db_, seconds <= 0 || seconds > INT_MAX / 1000 ? INT_MAX : seconds * 1000);
  }

  void SetIsolationLevel(int) override {
    // Under WAL a reader never waits for a writer and sees only committed
    // rows: as close to read uncommitted as SQLite comes, and never less.
  }

  std::string Literal(const Variant& value) const override {
    switch (value.Type()) {
      case VariantType::kEmpty:
      case VariantType::kNull: return "NULL";
      case VariantType::kText: {
        std::string out = "'";
        for (char c : value.ToText()) {
          if (c == '\'') out += '\'';
          out += c;
        }
        return out + "'";
      }
      case VariantType::kDate: return "'" + FormatIsoDateTime(value.ToDate()) + "'";
      // Quoted, as in Bind: SQLite would read a bare 12345678901234.5678 as a double.
      case VariantType::kCurrency: return "'" + value.ToCurrency().ToString() + "'";
      case VariantType::kBoolean: return value.ToBoolean() ? "1" : "0";
      default: return value.ToText();
    }
  }

  bool AcquireSessionLock(std::string_view resource, ErrorList& errors) override {
    return locks_.Acquire(FindDatabase(folder_, database_), resource, errors);
  }
  void ReleaseSessionLock(std::string_view resource, ErrorList&) override { locks_.Release(resource); }

 private:
  bool Fail(int code, std::string message, std::string_view statement, ErrorList& errors) {
    return Report(db_, code, std::move(message), statement, database_, errors);
  }

  Statement Prepare(const std::string& sql, ErrorList& errors) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) != SQLITE_OK) {
      Fail(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_), sql, errors);
      sqlite3_finalize(raw);
      return nullptr;
    }
    return Statement(raw);
  }

  // A SELECT of one table, with the rows' identity as a first hidden column;
  // nullptr when the statement does not take it (a join, a view, ...).
  Statement PrepareWithIdentity(const std::string& sql) {
    if (sql.size() < 7 || !EqualsIgnoreCase(sql.substr(0, 7), "SELECT ")) return nullptr;
    std::string rest = sql.substr(7);
    if (rest.size() >= 9 && EqualsIgnoreCase(rest.substr(0, 9), "DISTINCT ")) return nullptr;
    std::string injected = "SELECT rowid AS \"" + std::string(kIdentityColumn) + "\", " + rest;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, injected.c_str(), static_cast<int>(injected.size()), &raw, nullptr) != SQLITE_OK) {
      sqlite3_finalize(raw);
      return nullptr;
    }
    Statement statement(raw);
    if (sqlite3_column_table_name(raw, 0) == nullptr) return nullptr;  // no table's rowid
    return statement;
  }

  // Runs one statement. The first that yields rows becomes `result`: read
  // as it goes when it is the last, else read at once. Returns whether the
  // batch stops.
  bool Run(const std::string& sql, const sqlite::StatementInfo& info, bool identity,
           std::unique_ptr<RowSource>& result, bool last, ErrorList& errors) {
    Statement statement;
    bool withIdentity = false;
    if (identity && info.kind == StatementKind::kSelect) {
      statement = PrepareWithIdentity(sql);
      withIdentity = statement != nullptr;
    }
    if (!statement) {
      sqlite3_stmt* raw = nullptr;
      if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return Fail(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_), sql, errors);
      }
      statement.reset(raw);
    }
    if (!statement) return false;  // only blanks or a comment
    if (sqlite3_column_count(statement.get()) > 0 && !result) {
      auto rows = sqlite::StepRows(std::move(statement), withIdentity, sql, database_);
      if (last) {
        result = std::move(rows);
        return false;
      }
      size_t before = errors.size();
      result = sqlite::BufferRows(*rows, errors);
      return errors.size() > before;
    }
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) return Fail(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_), sql, errors);
    if (info.kind == StatementKind::kCreateView) return CheckView(info.object, sql, errors);
    return false;
  }

  // SQLite keeps a view whose tables do not exist yet; SQL Server refuses
  // it. So a new view is read at once, and dropped again when that fails.
  bool CheckView(const std::string& view, const std::string& sql, ErrorList& errors) {
    std::string probe = "SELECT * FROM " + QuoteIdentifier(view) + " LIMIT 0";
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db_, probe.c_str(), static_cast<int>(probe.size()), &raw, nullptr);
    sqlite3_finalize(raw);
    if (rc == SQLITE_OK) return false;
    int code = sqlite3_extended_errcode(db_);
    std::string message = sqlite3_errmsg(db_);
    sqlite3_exec(db_, ("DROP VIEW " + QuoteIdentifier(view)).c_str(), nullptr, nullptr, nullptr);
    return Fail(code, std::move(message), sql, errors);
  }

  bool Exec(const std::string& sql, ErrorList& errors) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) return false;
    return Fail(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_), sql, errors);
  }

  // T-SQL transactions nest: only the outermost BEGIN and COMMIT count, and
  // ROLLBACK ends them all.
  bool Begin(const std::string& sql, ErrorList& errors) {
    if (!sqlite3_get_autocommit(db_)) {
      ++depth_;
      return false;
    }
    depth_ = 0;
    if (Exec(sql, errors)) return true;
    depth_ = 1;
    return false;
  }

  bool Commit(const std::string& sql, ErrorList& errors) {
    if (sqlite3_get_autocommit(db_)) {
      depth_ = 0;
      return Fail(SQLITE_ERROR, std::string(sqlite::kNoTransactionToCommit), sql, errors);
    }
    if (--depth_ > 0) return false;
    depth_ = 0;
    return Exec(sql, errors);
  }

  bool Rollback(const std::string& sql, ErrorList& errors) {
    depth_ = 0;
    if (sqlite3_get_autocommit(db_)) {
      return Fail(SQLITE_ERROR, std::string(sqlite::kNoTransactionToRollBack), sql, errors);
    }
    return Exec(sql, errors);
  }

  bool CreateDatabase(const std::string& name, const std::string& sql, ErrorList& errors) {
    if (!FindDatabase(folder_, name).empty()) return Fail(SQLITE_ERROR, sqlite::DatabaseExists(name), sql, errors);
    sqlite3* db = ValidName(name) ? OpenFile((std::filesystem::path(folder_) / (name + ".sqlite")).string(), true)
                                  : nullptr;
    if (!db) return Fail(SQLITE_CANTOPEN, sqlite::CannotOpenDatabase(name), sql, errors);
    sqlite3_close_v2(db);
    return false;
  }

  bool Exists(const char* sql, const std::string& first, const std::string& second, ErrorList& errors) {
    Statement statement = Prepare(sql, errors);
    if (!statement) return false;
    sqlite3_bind_text(statement.get(), 1, first.data(), static_cast<int>(first.size()), SQLITE_TRANSIENT);
    if (sqlite3_bind_parameter_count(statement.get()) > 1) {
      sqlite3_bind_text(statement.get(), 2, second.data(), static_cast<int>(second.size()), SQLITE_TRANSIENT);
    }
    int rc = sqlite3_step(statement.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) Fail(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_), sql, errors);
    return rc == SQLITE_ROW;
  }

  // "[dbo].[T]" and "dbo.T" name T.
  static std::string PlainName(std::string_view name) {
    std::string out;
    for (char c : name) {
      if (c != '[' && c != ']' && c != '"') out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    while (!out.empty() && out.front() == ' ') out.erase(out.begin());
    if (out.size() > 4 && EqualsIgnoreCase(out.substr(0, 4), "dbo.")) out = out.substr(4);
    return out;
  }

  std::string folder_;
  std::string database_;
  sqlite3* db_;
  int depth_ = 0;  // T-SQL transaction nesting
  int timeout_ = 30;
  sqlite::FileLocks locks_;
};

}  // namespace

std::unique_ptr<Engine> OpenSqliteEngine(const std::string& serverFolderNative, const std::string& database,
                                         ErrorList& errors) {
  std::string path = FindDatabase(serverFolderNative, database);
  sqlite3* db = path.empty() ? nullptr : OpenFile(path, false);
  if (!db) {
    Report(nullptr, SQLITE_CANTOPEN, sqlite::CannotOpenDatabase(database), {}, database, errors);
    return nullptr;
  }
  return std::make_unique<SqliteEngine>(serverFolderNative, database, db);
}

std::unique_ptr<Connection> OpenSqliteConnection(const std::string& serverFolderNative, const std::string& database) {
  ErrorList errors;
  std::unique_ptr<Engine> engine = OpenSqliteEngine(serverFolderNative, database, errors);
  if (!engine) detail::RaiseDatabase(errors.front());
  return std::make_unique<Connection>(std::move(engine));
}

void CreateSqliteDatabase(const std::string& serverFolderNative, const std::string& database) {
  ErrorList errors;
  std::error_code ec;
  std::filesystem::create_directories(serverFolderNative, ec);
  if (!FindDatabase(serverFolderNative, database).empty()) {
    Report(nullptr, SQLITE_ERROR, sqlite::DatabaseExists(database), {}, database, errors);
  } else {
    sqlite3* db = ValidName(database)
                      ? OpenFile((std::filesystem::path(serverFolderNative) / (database + ".sqlite")).string(), true)
                      : nullptr;
    if (db) {
      sqlite3_close_v2(db);
      return;
    }
    Report(nullptr, SQLITE_CANTOPEN, sqlite::CannotOpenDatabase(database), {}, database, errors);
  }
  detail::RaiseDatabase(errors.front());
}

bool DropSqliteDatabase(const std::string& serverFolderNative, const std::string& database) {
  const std::string path = FindDatabase(serverFolderNative, database);
  if (path.empty()) return false;
  std::error_code ec;
  for (const char* suffix : {"-wal", "-shm", "-journal"}) std::filesystem::remove(path + suffix, ec);
  return std::filesystem::remove(path, ec);
}

}  // namespace tramvel::ado
