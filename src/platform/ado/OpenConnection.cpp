#include "platform/ado/OpenConnection.h"

#include "platform/Failure.h"
#include "platform/ado/sqlite/SqliteEngine.h"

namespace tramvel::ado {

std::unique_ptr<Connection> OpenConnection(const ConnectionSettings& settings) {
  // The source stays the session's: callers and the error log name the
  // component the operator knows.
  if (settings.engine != "SQLITE") {
    throw Failure(failure::kInvalidCall,
                  "El motor de base de datos " + settings.engine + " no esta disponible en esta version",
                  "SesionDatos");
  }
  if (!settings.connectionText.empty()) {
    throw Failure(failure::kInvalidCall, "El motor SQLITE no acepta una cadena de conexion propia", "SesionDatos");
  }
  return OpenSqliteConnection(settings.serverFolderNative, settings.database);
}

}  // namespace tramvel::ado
