#pragma once

#include <memory>
#include <string>

#include "ado/Connection.h"
#include "ado/Engine.h"

namespace tramvel::ado {

// The production engine: a database server through unixODBC (SQL Server
// with FreeTDS or the vendor's driver, Oracle with its driver, or any other
// driver). Statements go to the server as they are written; every
// diagnostic record of a failing result becomes an entry of Errors, with
// the driver's native number, the message, and the SQLSTATE as its source
// (OdbcDiagnostics.h). Rows are fetched into the client; AddNew/Update write
// back keyed by the table's primary key or, when it has none, by all the
// row's original values.

// Connects with an ODBC connection text ("Driver={FreeTDS};Server=...;", or
// "DSN=..."; OdbcSettings.h builds one from the configuration). A driver or
// server that cannot be reached, or a login that is refused, raises
// Failure -2147217900 with the driver's first error, its SQLSTATE as source.
std::unique_ptr<Connection> OpenOdbcConnection(const std::string& odbcConnectionText);

// The same as an Engine, for a caller that wraps it; errors go to `errors`
// and the result is then nullptr.
std::unique_ptr<Engine> OpenOdbcEngine(const std::string& odbcConnectionText, ErrorList& errors);

}  // namespace tramvel::ado
