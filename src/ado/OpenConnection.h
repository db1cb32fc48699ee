#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ado/Connection.h"
#include "ado/odbc/OdbcSettings.h"

namespace tramvel::ado {

// What a session connects with, as the configuration file and the session's
// properties give it.
struct ConnectionSettings {
  std::string engine;              // EngineName: "SQLITE", "SQLSERVER", "ORACLE", "ODBC"
  DatabaseConfig config;           // section [BaseDeDatos] of the configuration file
  std::string serverFolderNative;  // the embedded engine's folder of this server (a native path)
  std::string server;              // as the launch parameter wrote it: "HOST:PORT" keeps its port
  std::string database;
  std::string user;
  std::string password;
  std::string connectionText;  // a whole connection text, or empty
};

// The one place that picks the engine: SQLITE is the embedded engine, any
// other goes through ODBC with the connection text OdbcConnectionText builds
// (5 when none can be built). A database that cannot be opened raises
// -2147217900 with the engine's error.
std::unique_ptr<Connection> OpenConnection(const ConnectionSettings& settings);

// How a session opens its connection; a test hands in its own engine.
using ConnectionOpener = std::function<std::unique_ptr<Connection>(const ConnectionSettings&)>;

}  // namespace tramvel::ado
