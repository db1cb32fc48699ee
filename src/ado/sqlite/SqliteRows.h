#pragma once

#include <memory>
#include <string>

#include "ado/Engine.h"
#include "ado/sqlite/SqliteStatement.h"

namespace tramvel::ado::sqlite {

// A column's value as a Variant of the column's kind.
Variant ReadColumn(sqlite3_stmt* statement, int index, ColumnKind kind);

void Bind(sqlite3_stmt* statement, int index, const Variant& value);

// The rows of a prepared statement, stepped as they are read. With
// `identity` the statement's first column is the row's identity.
std::unique_ptr<RowSource> StepRows(Statement statement, bool identity, std::string sql, std::string database);

// The rows of `source` read at once, for a result that is not the batch's
// last statement.
std::unique_ptr<RowSource> BufferRows(RowSource& source, ErrorList& errors);

}  // namespace tramvel::ado::sqlite
