#include "sync/ServidorWeb.h"

#include "common/ConfigFile.h"
#include "startup/ProgramState.h"

namespace tramvel {

ValoresFtp LeerServidorWeb(ProgramState& programa) {
  const std::string ini = RutaArchivoIni(programa.platform());
  ValoresFtp ftp;
  ftp.servidor = programa.Ini().LeerValor(ini, "FTP", "Servidor", "");
  ftp.usuario = programa.Ini().LeerValor(ini, "FTP", "Usuario", "qa417205");
  ftp.password = programa.Ini().LeerValor(ini, "FTP", "Password", "Pol1984");
  return ftp;
}

}  // namespace tramvel
