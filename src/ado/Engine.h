#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ado/ColumnType.h"
#include "ado/Errors.h"
#include "ado/Variant.h"

namespace tramvel::ado {

// The seam between the ADO stand-in (Connection, Recordset) and a database
// engine (sqlite/ now, odbc/ later; a test may put its own, for instance one
// that records the SQL it is sent). An engine never raises a database error:
// it appends what the database reported to the `errors` list it is given, in
// SQL Server's numbers and words, and returns. Connection turns a non-empty
// list into Failure -2147217900 in one place.

// One column of a result.
struct ColumnInfo {
  std::string name;        // as the result names it
  ColumnType type;         // kind and defined size, from the declared type
  std::string baseTable;   // the table the column is read from; "" for an expression
  std::string baseColumn;  // its name there
};

// The rows of one result, read one at a time. It must not outlive the engine
// that gave it (Connection::Close releases its recordsets first).
class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual const std::vector<ColumnInfo>& Columns() const = 0;
  // Reads the next row: one value per column, already of its column's kind
  // (dates, Currency, Booleans), and the row's identity for writing it back
  // (Empty when the result has none). False at the end, or on an error,
  // which is appended to `errors`.
  virtual bool Next(std::vector<Variant>& values, Variant& identity, ErrorList& errors) = 0;
};

struct ExecuteOptions {
  // The caller means to write rows of the result back: give each row its
  // identity when the result reads a single table.
  bool rowIdentity = false;
};

// One row to write into a table: an INSERT when `identity` is Empty, an
// UPDATE of that row otherwise.
struct RowWrite {
  std::string table;
  Variant identity;
  std::vector<std::string> columns;  // the columns to set
  std::vector<Variant> values;       // their values, one per column
  std::vector<std::string> reread;   // the columns whose stored values come back
};

struct RowWritten {
  Variant identity;             // the row's identity (new for an INSERT)
  std::vector<Variant> values;  // the stored values of RowWrite::reread
};

class Engine {
 public:
  virtual ~Engine() = default;

  // The Source of this engine's errors.
  virtual std::string Source() const = 0;

  // Runs a T-SQL batch. Returns the first result that has columns (its rows
  // may still be read lazily when it came from the batch's last statement),
  // or nullptr.
  virtual std::unique_ptr<RowSource> Execute(std::string_view batch, const ExecuteOptions& options,
                                             ErrorList& errors) = 0;

  // Writes one row; nullopt on an error.
  virtual std::optional<RowWritten> WriteRow(const RowWrite& row, ErrorList& errors) = 0;

  // Whether a table (not a view) / a column of a table or view exists; names
  // compare without regard to case.
  virtual bool TableExists(std::string_view table, ErrorList& errors) = 0;
  virtual bool ColumnExists(std::string_view table, std::string_view column, ErrorList& errors) = 0;

  virtual std::string DefaultDatabase() const = 0;
  virtual void SetDefaultDatabase(const std::string& database, ErrorList& errors) = 0;
  virtual void SetCommandTimeout(int seconds) = 0;
  virtual void SetIsolationLevel(int level) = 0;

  // A value written as an SQL literal of this engine: texts quoted with
  // their quotes doubled, NULL for Empty and Null, dates in the engine's form.
  virtual std::string Literal(const Variant& value) const = 0;

  // A named lock owned by this session until released or the session ends;
  // false at once when another session holds it. By default SQL Server's
  // sp_getapplock (SessionLock.cpp); an engine without it brings its own.
  virtual bool AcquireSessionLock(std::string_view resource, ErrorList& errors);
  virtual void ReleaseSessionLock(std::string_view resource, ErrorList& errors);
};

}  // namespace tramvel::ado
