#include "ado/sqlite/SqliteErrors.h"

#include <sqlite3.h>

#include <array>
#include <cctype>
#include <optional>
#include <vector>

#include "ado/sqlite/ColumnRules.h"
#include "ado/sqlite/TSqlAdaptation.h"

namespace tramvel::ado::sqlite {

static_assert(code::kError == SQLITE_ERROR && code::kBusy == SQLITE_BUSY && code::kLocked == SQLITE_LOCKED &&
              code::kReadOnly == SQLITE_READONLY && code::kFull == SQLITE_FULL &&
              code::kCantOpen == SQLITE_CANTOPEN && code::kConstraint == SQLITE_CONSTRAINT &&
              code::kConstraintCheck == SQLITE_CONSTRAINT_CHECK &&
              code::kConstraintForeignKey == SQLITE_CONSTRAINT_FOREIGNKEY &&
              code::kConstraintNotNull == SQLITE_CONSTRAINT_NOTNULL &&
              code::kConstraintPrimaryKey == SQLITE_CONSTRAINT_PRIMARYKEY &&
              code::kConstraintUnique == SQLITE_CONSTRAINT_UNIQUE);

namespace {

// Which statements a row is for.
enum class For { kAny, kDrop, kDelete };

struct Row {
  int code;                       // the extended code to match; a primary code matches all its extended ones; 0 any
  std::string_view pattern;       // SQLite's message, {1} {2} {3} taking any text; "" any message
  For statements;
  int32_t native;
  std::string_view text;          // SQL Server's message: {1}.. the captures, {table} {verb} {constraint} {db} {last}
  std::string_view constraint;    // the constraint's name when the engine found none
  bool terminated;                // SQL Server adds 3621 "The statement has been terminated."
  bool abortsBatch;
};

constexpr std::string_view kTerminated = "The statement has been terminated.";

// First matching row wins.
constexpr Row kTable[] = {
    {code::kBusy, "", For::kAny, 1222, "Lock request time out period exceeded.", "", false, true},
    {code::kLocked, "", For::kAny, 1222, "Lock request time out period exceeded.", "", false, true},
    {code::kReadOnly, "", For::kAny, 3906,
     "Failed to update database \"{db}\" because the database is read-only.", "", false, true},
    {code::kFull, "", For::kAny, 1105,
     "Could not allocate space for object 'dbo.{table}' in database '{db}' because the 'PRIMARY' filegroup is full.",
     "", false, true},
    {code::kConstraintPrimaryKey, "UNIQUE constraint failed: {1}.{2}", For::kAny, 2627,
     "Violation of PRIMARY KEY constraint '{constraint}'. Cannot insert duplicate key in object 'dbo.{1}'.", "PK_{1}",
     true, false},
    {code::kConstraintUnique, "UNIQUE constraint failed: {1}.{2}", For::kAny, 2627,
     "Violation of UNIQUE KEY constraint '{constraint}'. Cannot insert duplicate key in object 'dbo.{1}'.", "UQ_{1}",
     true, false},
    {code::kConstraintForeignKey, "", For::kDelete, 547,
     "The DELETE statement conflicted with the REFERENCE constraint \"{constraint}\". The conflict occurred in "
     "database \"{db}\", table \"dbo.{table}\".",
     "FK_{table}", true, false},
    {code::kConstraintForeignKey, "", For::kAny, 547,
     "The {verb} statement conflicted with the FOREIGN KEY constraint \"{constraint}\". The conflict occurred in "
     "database \"{db}\", table \"dbo.{table}\".",
     "FK_{table}", true, false},
    {code::kConstraintCheck, kLengthCheckFailed, For::kAny, 8152, "String or binary data would be truncated.", "", true,
     false},
    {code::kConstraintCheck, "CHECK constraint failed: {1}", For::kAny, 547,
     "The {verb} statement conflicted with the CHECK constraint \"{1}\". The conflict occurred in database \"{db}\", "
     "table \"dbo.{table}\".",
     "", true, false},
    {code::kConstraintNotNull, "NOT NULL constraint failed: {1}.{2}", For::kAny, 515,
     "Cannot insert the value NULL into column '{2}', table '{db}.dbo.{1}'; column does not allow nulls. {verb} fails.",
     "", true, false},
    {0, "no such table: main.{1}", For::kDrop, 3701,
     "Cannot drop the table '{1}', because it does not exist or you do not have permission.", "", false, false},
    {0, "no such table: {1}", For::kDrop, 3701,
     "Cannot drop the table '{1}', because it does not exist or you do not have permission.", "", false, false},
    {0, "no such view: {1}", For::kAny, 3701,
     "Cannot drop the view '{1}', because it does not exist or you do not have permission.", "", false, false},
    {0, "no such index: {1}", For::kAny, 3701,
     "Cannot drop the index '{1}', because it does not exist or you do not have permission.", "", false, false},
    {0, "no such table: main.{1}", For::kAny, 208, "Invalid object name '{1}'.", "", false, true},
    {0, "no such table: {1}", For::kAny, 208, "Invalid object name '{1}'.", "", false, true},
    {0, "no such column: {1}.{2}", For::kAny, 4104, "The multi-part identifier \"{1}.{2}\" could not be bound.", "",
     false, true},
    {0, "no such column: {1}", For::kAny, 207, "Invalid column name '{1}'.", "", false, true},
    {0, "table {1} has no column named {2}", For::kAny, 207, "Invalid column name '{2}'.", "", false, true},
    {0, "ambiguous column name: {1}", For::kAny, 209, "Ambiguous column name '{1}'.", "", false, true},
    {0, "table {1} already exists", For::kAny, 2714, "There is already an object named '{1}' in the database.", "",
     false, false},
    {0, "view {1} already exists", For::kAny, 2714, "There is already an object named '{1}' in the database.", "",
     false, false},
    {0, "there is already an index named {1}", For::kAny, 2714,
     "There is already an object named '{1}' in the database.", "", false, false},
    {0, "there is already a table named {1}", For::kAny, 2714,
     "There is already an object named '{1}' in the database.", "", false, false},
    {0, "index {1} already exists", For::kAny, 1913,
     "The operation failed because an index or statistics with name '{1}' already exists on table '{table}'.", "",
     false, false},
    {0, "duplicate column name: {1}", For::kAny, 2705,
     "Column names in each table must be unique. Column name '{1}' in table '{table}' is specified more than once.",
     "", false, false},
    {0, "near \"{1}\": syntax error", For::kAny, 102, "Incorrect syntax near '{1}'.", "", false, true},
    {0, "unrecognized token: \"{1}\"", For::kAny, 102, "Incorrect syntax near '{1}'.", "", false, true},
    // A line the batch should have ended at ("GO" left in a batch).
    {0, "unknown table option: {1}", For::kAny, 102, "Incorrect syntax near '{1}'.", "", false, true},
    {0, "incomplete input", For::kAny, 102, "Incorrect syntax near '{last}'.", "", false, true},
    {0, "no such function: {1}", For::kAny, 195, "'{1}' is not a recognized built-in function name.", "", false,
     true},
    {0, "table {1} has {2} columns but {3} values were supplied", For::kAny, 213,
     "Column name or number of supplied values does not match table definition.", "", false, true},
    {0, "{1} values for {2} columns", For::kAny, 213,
     "Column name or number of supplied values does not match table definition.", "", false, true},
    {0, kNoTransactionToCommit, For::kAny, 3902,
     "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION.", "", false, false},
    {0, kNoTransactionToRollBack, For::kAny, 3903,
     "The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION.", "", false, false},
    {0, "no such procedure: {1}", For::kAny, 2812, "Could not find stored procedure '{1}'.", "", false, false},
    {0, "cannot open database: {1}", For::kAny, 4060,
     "Cannot open database \"{1}\" requested by the login. The login failed.", "", false, true},
    {0, "no such database: {1}", For::kAny, 911,
     "Database '{1}' does not exist. Make sure that the name is entered correctly.", "", false, true},
    {0, "database already exists: {1}", For::kAny, 1801,
     "Database '{1}' already exists. Choose a different database name.", "", false, true},
    {0, "row not found: {1}", For::kAny, kEngineMessage,
     "Row cannot be located for updating. Some values may have been changed since it was last read.", "", false,
     true},
};

using Captures = std::array<std::string, 4>;

// Matches `message` against `pattern`: literal text, and {n} taking the
// shortest text up to the literal after it (all the rest when last).
std::optional<Captures> Match(std::string_view pattern, std::string_view message) {
  Captures captures;
  size_t p = 0, m = 0;
  while (p < pattern.size()) {
    if (pattern[p] == '{' && p + 2 < pattern.size() && pattern[p + 2] == '}') {
      size_t slot = static_cast<size_t>(pattern[p + 1] - '0');
      p += 3;
      size_t literalEnd = pattern.find('{', p);
      std::string_view literal = pattern.substr(p, literalEnd == std::string_view::npos ? literalEnd : literalEnd - p);
      size_t end = literal.empty() ? message.size() : message.find(literal, m);
      if (end == std::string_view::npos || end == m) return std::nullopt;
      if (slot < captures.size()) captures[slot] = std::string(message.substr(m, end - m));
      m = end;
    } else {
      if (m >= message.size() || message[m] != pattern[p]) return std::nullopt;
      ++p;
      ++m;
    }
  }
  if (m != message.size()) return std::nullopt;
  return captures;
}

bool CodeMatches(int wanted, int actual) {
  if (wanted == 0) return true;
  if (wanted == actual) return true;
  return wanted <= 0xff && (actual & 0xff) == wanted;  // a primary code covers its extended codes
}

bool StatementMatches(For statements, StatementKind kind) {
  switch (statements) {
    case For::kAny: return true;
    case For::kDrop:
      return kind == StatementKind::kDropTable || kind == StatementKind::kDropView || kind == StatementKind::kDropIndex;
    case For::kDelete: return kind == StatementKind::kDelete;
  }
  return false;
}

std::string Verb(StatementKind kind) {
  switch (kind) {
    case StatementKind::kUpdate: return "UPDATE";
    case StatementKind::kDelete: return "DELETE";
    case StatementKind::kAlterTable: return "ALTER TABLE";
    default: return "INSERT";
  }
}

// The statement's last word or sign, for "Incorrect syntax near ..." at its end.
std::string LastToken(std::string_view statement) {
  while (!statement.empty() && (statement.back() == ' ' || statement.back() == ';')) statement.remove_suffix(1);
  size_t start = statement.size();
  auto wordChar = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
  };
  while (start > 0 && wordChar(statement[start - 1])) --start;
  if (start == statement.size() && start > 0) --start;
  return std::string(statement.substr(start));
}

std::string Expand(std::string_view text, const Captures& captures, const std::string& constraint,
                   const SqliteDiagnostic& d, const StatementInfo& info) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text[i] != '{') {
      out += text[i++];
      continue;
    }
    size_t close = text.find('}', i);
    std::string_view key = text.substr(i + 1, close - i - 1);
    i = close + 1;
    if (key.size() == 1 && key[0] >= '1' && key[0] <= '3') {
      out += captures[static_cast<size_t>(key[0] - '0')];
    } else if (key == "table") {
      out += info.table.empty() ? info.object : info.table;
    } else if (key == "verb") {
      out += Verb(info.kind);
    } else if (key == "constraint") {
      out += constraint;
    } else if (key == "db") {
      out += d.database;
    } else if (key == "last") {
      out += LastToken(d.statement);
    }
  }
  return out;
}

}  // namespace

TranslatedError TranslateSqliteError(const SqliteDiagnostic& d) {
  StatementInfo info = DescribeStatement(d.statement);
  for (const Row& row : kTable) {
    if (!CodeMatches(row.code, d.code) || !StatementMatches(row.statements, info.kind)) continue;
    std::optional<Captures> captures = row.pattern.empty() ? Captures{} : Match(row.pattern, d.message);
    if (!captures) continue;
    std::string constraint =
        d.constraint.empty() ? Expand(row.constraint, *captures, {}, d, info) : d.constraint;
    TranslatedError result;
    result.errors.push_back({row.native, Expand(row.text, *captures, constraint, d, info), {}});
    if (row.terminated) result.errors.push_back({3621, std::string(kTerminated), {}});
    result.abortsBatch = row.abortsBatch;
    return result;
  }
  return {{{kEngineMessage, d.message, {}}}, true};
}

}  // namespace tramvel::ado::sqlite
