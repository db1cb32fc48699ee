#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace tramvel::ado {

// What section [BaseDeDatos] of "RO000vu.INI" says about the database engine:
//   Motor        SQLITE (the default, the embedded engine), SQLSERVER, ORACLE
//                or ODBC
//   Driver       the ODBC driver of Motor=SQLSERVER, as odbcinst.ini names it
//                or as a path to its library (default FreeTDS)
//   DriverOracle the ODBC driver of an Oracle database (default "Oracle")
//   Cadena       with Motor=ODBC: a whole ODBC connection text, used unchanged
struct DatabaseConfig {
  std::string motor = "SQLITE";  // in capitals
  std::string driver = "FreeTDS";
  std::string driverOracle = "Oracle";
  std::string cadena;
};

// Reads one key of section [BaseDeDatos]: its value, or `fallback` when the
// file or the key is missing.
using DatabaseKeyReader = std::function<std::string(const std::string& key, const std::string& fallback)>;

DatabaseConfig ReadDatabaseConfig(const DatabaseKeyReader& read);

// Whom a session connects to: its four properties (the server as the launch
// parameter wrote it, so that "HOST:PORT" keeps its port) and the complete
// connection text the start-up sequence may have built (an Oracle one).
struct SessionTarget {
  std::string server;
  std::string database;
  std::string user;
  std::string password;
  std::string connectionText;
};

// The engine a session uses: "ORACLE" for an Oracle connection text from the
// start-up sequence or for Motor=ORACLE (and for Motor=ODBC whose Cadena names
// an Oracle driver), else Motor itself ("SQLITE", "SQLSERVER", "ODBC", ...).
std::string EngineName(const DatabaseConfig& config, std::string_view connectionText);

// True for a connection text that holds "ORACLE" in any case, as the start-up
// sequence's "Provider=OraOLEDB.Oracle.1;Data Source=...;" does.
bool IsOracleText(std::string_view connectionText);

// The ODBC connection text of a session on an ODBC engine:
//   SQLSERVER  Driver={Driver};Server=host;Port=port;Database=...;UID=...;PWD=...;
//              (the port only when the server is written "HOST:PORT"; a prefix
//              up to the first "/" is dropped as NombreServidor drops it)
//   ORACLE     Driver={DriverOracle};DBQ=data source;UID=...;PWD=...; from the
//              start-up sequence's text, or else from the session's database
//              (the Oracle data source), user and password
//   ODBC       Cadena as it stands
// A complete connection text that is not an Oracle one is used as it stands.
// Raises 5 when Motor=ODBC has no Cadena, or for an engine that is not ODBC.
std::string OdbcConnectionText(const DatabaseConfig& config, const SessionTarget& target);

// A value of an ODBC connection text: as it stands, or between braces with
// its closing braces doubled when it holds ';', '{', '}', '=' or blanks
// around it.
std::string QuoteOdbcValue(std::string_view value);

// The value of the first of `keys` (any case) that a connection text holds,
// ODBC's or OLE DB's ("Provider=...;Data Source=X;User Id=U;Password=P;"):
// values may stand between braces, double or single quotes.
std::optional<std::string> ConnectionTextValue(std::string_view text, std::initializer_list<std::string_view> keys);

}  // namespace tramvel::ado
