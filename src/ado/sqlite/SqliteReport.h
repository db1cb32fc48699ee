#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>

#include "ado/Errors.h"

namespace tramvel::ado::sqlite {

// The Source of every error this engine reports.
inline constexpr const char* kSource = "SQLite";

// The one place where SQLite's failures become SQL Server's errors: each
// error of the translation (SqliteErrors.h), with this engine as its source,
// goes to `errors`. `db` (may be null) lets a unique-key failure name its
// index. Returns whether the batch stops here.
bool Report(sqlite3* db, int code, std::string message, std::string_view statement, const std::string& database,
            ErrorList& errors);

}  // namespace tramvel::ado::sqlite
