#include "ado/OpenConnection.h"

#include "platform/Failure.h"
#include "ado/odbc/OdbcEngine.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::ado {

std::unique_ptr<Connection> OpenConnection(const ConnectionSettings& settings) {
  if (settings.engine != "SQLITE") {
    return OpenOdbcConnection(OdbcConnectionText(
        settings.config,
        {settings.server, settings.database, settings.user, settings.password, settings.connectionText}));
  }
  // The source stays the session's: callers and the error log name the
  // component the operator knows.
  if (!settings.connectionText.empty()) {
    throw Failure(failure::kInvalidCall, "El motor SQLITE no acepta una cadena de conexion propia", "SesionDatos");
  }
  return OpenSqliteConnection(settings.serverFolderNative, settings.database);
}

}  // namespace tramvel::ado
