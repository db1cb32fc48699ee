#pragma once

#include <string>
#include <string_view>

#include "ado/Errors.h"

namespace tramvel::ado::sqlite {

// SQLite's result codes that the translation looks at (the values of
// sqlite3.h, so that callers need not include it).
namespace code {
inline constexpr int kError = 1;
inline constexpr int kBusy = 5;
inline constexpr int kLocked = 6;
inline constexpr int kReadOnly = 8;
inline constexpr int kFull = 13;
inline constexpr int kCantOpen = 14;
inline constexpr int kConstraint = 19;
inline constexpr int kConstraintCheck = 19 | (1 << 8);
inline constexpr int kConstraintForeignKey = 19 | (3 << 8);
inline constexpr int kConstraintNotNull = 19 | (5 << 8);
inline constexpr int kConstraintPrimaryKey = 19 | (6 << 8);
inline constexpr int kConstraintUnique = 19 | (8 << 8);
}  // namespace code

// What went wrong, as the SQLite engine saw it.
struct SqliteDiagnostic {
  int code = code::kError;  // SQLite's extended result code
  std::string message;      // sqlite3_errmsg, or one of the engine's own below
  std::string statement;    // the (adapted) statement that failed
  std::string constraint;   // the violated constraint's name, when the engine found it
  std::string database;     // the connection's database
};

// The engine's own messages, worded like SQLite's, for what SQLite itself
// never says; the table below gives each its SQL Server number.
inline std::string NoSuchProcedure(std::string_view name) { return "no such procedure: " + std::string(name); }
inline std::string CannotOpenDatabase(std::string_view name) { return "cannot open database: " + std::string(name); }
inline std::string NoSuchDatabase(std::string_view name) { return "no such database: " + std::string(name); }
inline std::string DatabaseExists(std::string_view name) { return "database already exists: " + std::string(name); }
inline std::string RowNotFound(std::string_view table) { return "row not found: " + std::string(table); }
inline constexpr std::string_view kNoTransactionToCommit = "cannot commit - no transaction is active";
inline constexpr std::string_view kNoTransactionToRollBack = "cannot rollback - no transaction is active";

struct TranslatedError {
  ErrorList errors;          // as SQL Server reports them (no Source yet)
  bool abortsBatch = true;   // false: SQL Server goes on with the batch's next statement
};

// The one table from SQLite's messages to SQL Server's native numbers and
// message shapes: 208 "Invalid object name 'X'.", 207 "Invalid column name
// 'X'.", 2714 "There is already an object named 'X' in the database.", 1913,
// 2705, 2627 (with 3621 "The statement has been terminated." after it, as the
// server sends it), 547, 515, 102 "Incorrect syntax near 'X'.", 2812 "Could
// not find stored procedure 'X'.", 4060, 911, 1801, 1222 (busy or locked),
// 3701, 3902, 3903, 4104, 209, 195, 213, 8152 "String or binary data would
// be truncated." (a text longer than its column, ColumnRules.h). Anything else keeps SQLite's message
// with the number kEngineMessage (50000, Errors.h), never 0.
TranslatedError TranslateSqliteError(const SqliteDiagnostic& diagnostic);

}  // namespace tramvel::ado::sqlite
