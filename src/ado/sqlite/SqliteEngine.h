#pragma once

#include <memory>
#include <string>

#include "ado/Connection.h"
#include "ado/Engine.h"

namespace tramvel::ado {

// The embedded engine. A "server" is a folder (a native path: the caller maps
// the system's own paths) and a database is the file
// <serverFolder>/<database>.sqlite in it, found without regard to letter
// case. Statements pass through AdaptTSql; errors come out in SQL Server's
// numbers and words (SqliteErrors.h).

// Connects to an existing database. One that does not exist is error 4060
// ("Cannot open database "X" requested by the login. The login failed."),
// raised as Failure -2147217900.
std::unique_ptr<Connection> OpenSqliteConnection(const std::string& serverFolderNative, const std::string& database);

// The same as an Engine, for a caller that wraps it (a recording engine in a
// test); errors go to `errors` and the result is then nullptr.
std::unique_ptr<Engine> OpenSqliteEngine(const std::string& serverFolderNative, const std::string& database,
                                         ErrorList& errors);

// Creates an empty database (and the server folder when missing). One that
// exists already is error 1801, raised as Failure -2147217900.
void CreateSqliteDatabase(const std::string& serverFolderNative, const std::string& database);

// Removes a database that no connection holds open, with its journal files;
// false when there was none to remove.
bool DropSqliteDatabase(const std::string& serverFolderNative, const std::string& database);

}  // namespace tramvel::ado
