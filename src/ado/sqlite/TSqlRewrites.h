#pragma once

#include <string>
#include <vector>

#include "ado/sqlite/TSqlTokens.h"

namespace tramvel::ado::sqlite::tsql {

// Appends to `out` what SQLite runs for one T-SQL statement: none (a SET
// option, PRINT), one, or several (ALTER TABLE ... ADD of several columns).
void AdaptStatement(Tokens statement, std::vector<std::string>& out);

}  // namespace tramvel::ado::sqlite::tsql
