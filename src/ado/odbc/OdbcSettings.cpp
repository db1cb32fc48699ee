#include "ado/odbc/OdbcSettings.h"

#include <optional>
#include <vector>

#include "platform/Failure.h"
#include "platform/TextCase.h"

namespace tramvel::ado {
namespace {

constexpr const char* kSource = "SesionDatos";

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::string> ConnectionTextValue(std::string_view text, std::initializer_list<std::string_view> keys) {
  size_t at = 0;
  while (at < text.size()) {
    size_t equals = text.find('=', at);
    if (equals == std::string_view::npos) break;
    std::string_view key = Trim(text.substr(at, equals - at));
    size_t start = equals + 1;
    while (start < text.size() && text[start] == ' ') ++start;
    std::string value;
    size_t next;
    if (start < text.size() && text[start] == '{') {
      // ODBC's braces: "}}" inside stands for one "}".
      size_t close = start + 1;
      for (; close < text.size(); ++close) {
        if (text[close] != '}') {
          value += text[close];
        } else if (close + 1 < text.size() && text[close + 1] == '}') {
          value += '}';
          ++close;
        } else {
          break;
        }
      }
      next = text.find(';', close);
    } else if (start < text.size() && (text[start] == '"' || text[start] == '\'')) {
      const char quote = text[start];
      size_t close = text.find(quote, start + 1);
      if (close == std::string_view::npos) close = text.size();
      value = std::string(text.substr(start + 1, close - start - 1));
      next = text.find(';', close);
    } else {
      next = text.find(';', start);
      value = std::string(Trim(text.substr(start, next == std::string_view::npos ? text.size() - start
                                                                                  : next - start)));
    }
    for (std::string_view wanted : keys) {
      if (EqualsIgnoreCase(key, wanted)) return value;
    }
    if (next == std::string_view::npos) break;
    at = next + 1;
  }
  return std::nullopt;
}

namespace {

std::string Pair(std::string_view key, std::string_view value) {
  return std::string(key) + "=" + QuoteOdbcValue(value) + ";";
}

std::string DriverPair(std::string_view driver) {
  // A driver's name stands between braces whatever it holds.
  std::string quoted = "{";
  for (char c : driver) {
    quoted += c;
    if (c == '}') quoted += '}';
  }
  return "Driver=" + quoted + "};";
}

std::string SqlServerText(const DatabaseConfig& config, const SessionTarget& target) {
  std::string_view server = target.server;
  if (size_t slash = server.find('/'); slash != std::string_view::npos) server.remove_prefix(slash + 1);
  std::string_view port;
  if (size_t colon = server.find(':'); colon != std::string_view::npos) {
    port = Trim(server.substr(colon + 1));
    server = server.substr(0, colon);
  }
  std::string text = DriverPair(config.driver) + Pair("Server", server);
  if (!port.empty()) text += Pair("Port", port);
  return text + Pair("Database", target.database) + Pair("UID", target.user) + Pair("PWD", target.password);
}

std::string OracleText(const DatabaseConfig& config, const SessionTarget& target) {
  std::string source = target.database, user = target.user, password = target.password;
  if (IsOracleText(target.connectionText)) {
    source = ConnectionTextValue(target.connectionText, {"Data Source", "DBQ", "Server"}).value_or(source);
    user = ConnectionTextValue(target.connectionText, {"User Id", "User", "UID"}).value_or(user);
    password = ConnectionTextValue(target.connectionText, {"Password", "PWD"}).value_or(password);
  }
  return DriverPair(config.driverOracle) + Pair("DBQ", source) + Pair("UID", user) + Pair("PWD", password);
}

}  // namespace

DatabaseConfig ReadDatabaseConfig(const DatabaseKeyReader& read) {
  DatabaseConfig config;
  config.motor = ToUpper(Trim(read("Motor", config.motor)));
  if (config.motor.empty()) config.motor = "SQLITE";
  config.driver = std::string(Trim(read("Driver", config.driver)));
  if (config.driver.empty()) config.driver = DatabaseConfig().driver;
  config.driverOracle = std::string(Trim(read("DriverOracle", config.driverOracle)));
  if (config.driverOracle.empty()) config.driverOracle = DatabaseConfig().driverOracle;
  config.cadena = std::string(Trim(read("Cadena", "")));
  return config;
}

bool IsOracleText(std::string_view connectionText) { return FindIgnoreCase(connectionText, "ORACLE") != std::string::npos; }

std::string EngineName(const DatabaseConfig& config, std::string_view connectionText) {
  if (IsOracleText(connectionText) || config.motor == "ORACLE") return "ORACLE";
  if (config.motor == "ODBC" && IsOracleText(config.cadena)) return "ORACLE";
  return config.motor;
}

std::string OdbcConnectionText(const DatabaseConfig& config, const SessionTarget& target) {
  const std::string engine = EngineName(config, target.connectionText);
  if (engine == "ORACLE") {
    if (config.motor == "ODBC" && !config.cadena.empty()) return config.cadena;
    return OracleText(config, target);
  }
  if (engine == "ODBC") {
    if (!config.cadena.empty()) return config.cadena;
    if (!target.connectionText.empty()) return target.connectionText;
    throw Failure(failure::kInvalidCall,
                  "El motor ODBC necesita la cadena de conexion en la clave Cadena de la seccion [BaseDeDatos] del "
                  "archivo RO000vu.INI",
                  kSource);
  }
  if (engine == "SQLSERVER") {
    if (!target.connectionText.empty()) return target.connectionText;
    return SqlServerText(config, target);
  }
  throw Failure(failure::kInvalidCall, "El motor de base de datos " + engine + " no se conecta por ODBC", kSource);
}

std::string QuoteOdbcValue(std::string_view value) {
  const bool plain = value.find_first_of(";{}=") == std::string_view::npos && Trim(value).size() == value.size();
  if (plain) return std::string(value);
  std::string quoted = "{";
  for (char c : value) {
    quoted += c;
    if (c == '}') quoted += '}';
  }
  return quoted + "}";
}

}  // namespace tramvel::ado
