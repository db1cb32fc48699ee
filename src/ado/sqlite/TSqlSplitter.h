#pragma once

#include <vector>

#include "ado/sqlite/TSqlTokens.h"

namespace tramvel::ado::sqlite::tsql {

// The statements of a batch, in order: split at semicolons and where a line
// break starts a new statement, as SQL Server reads a batch without
// separators. A routine (CREATE PROCEDURE, FUNCTION, TRIGGER) or control
// flow (IF, WHILE) keeps the rest of the batch with it.
std::vector<Tokens> SplitStatements(const Tokens& batch);

}  // namespace tramvel::ado::sqlite::tsql
