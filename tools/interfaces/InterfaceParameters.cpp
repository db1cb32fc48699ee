#include "InterfaceParameters.h"

#include "startup/LaunchParameters.h"
#include "startup/NombreServidor.h"

namespace tramvel::interfaces {

InterfaceParameters ReadInterfaceParameters(std::string_view text) {
  InterfaceParameters parameters;
  // The server as tramvel's own session names it: "SRV01:1433" and
  // "TCP/SRV01" are the server SRV01.
  parameters.servidor = NombreServidor(LeerParametro(text, "@server"));
  parameters.baseDeDatos = LeerParametro(text, "@dbname");
  parameters.usuario = LeerParametro(text, "@usuario");
  parameters.password = LeerParametro(text, "@Password");
  parameters.parametroAdicional = LeerParametro(text, "@ParametroAdicional");
  return parameters;
}

}  // namespace tramvel::interfaces
