#pragma once

#include <optional>

#include "ado/Engine.h"
#include "ado/odbc/OdbcSession.h"

namespace tramvel::ado::odbc {

// Writes one row of a result back to its table: an INSERT, or an UPDATE of
// the row its key finds; then reads the row's stored values again. A row
// found by all its values must be the only one with them, or nothing is
// written. Nullopt on an error.
std::optional<RowWritten> WriteRow(OdbcSession& session, const RowWrite& row, ErrorList& errors);

}  // namespace tramvel::ado::odbc
