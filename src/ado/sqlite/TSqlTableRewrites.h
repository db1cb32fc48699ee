#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ado/sqlite/TSqlTokens.h"

namespace tramvel::ado::sqlite::tsql {

// CREATE TABLE as SQLite keeps it: an IDENTITY column becomes INTEGER
// PRIMARY KEY AUTOINCREMENT, every column gets what AdaptColumn
// (ColumnRules.h) gives its type.
std::string CreateTable(Tokens statement);

// ALTER TABLE t ADD a, b, CONSTRAINT c UNIQUE (x): one statement each; the
// table's name runs from `nameStart` to the ADD at `add`.
std::vector<std::string> AlterTableAdd(const Tokens& statement, size_t nameStart, size_t add);

}  // namespace tramvel::ado::sqlite::tsql
