#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"

namespace tramvel {

namespace ado {
class Connection;
}
class Platform;

// The suite's logistics services. A caller fills the public connection
// members, connects with OpenADOServer and calls the operations it needs;
// the file operations need no database. Each object owns its own component
// instances, created on first use.
class Dll_SYD {
 public:
  explicit Dll_SYD(Platform& platform) : platform_(platform) {}
  Dll_SYD(const Dll_SYD&) = delete;
  Dll_SYD& operator=(const Dll_SYD&) = delete;

  std::string gDBName;
  std::string gServidor;
  std::string gUsuario;
  std::string gUserPassWord;
  std::string gConnString;
  ado::Connection* gCnn = nullptr;  // kept for callers only
  std::string FhRegistroError;

  // ----- file helpers and reception witness -----

  // True when `path` can be opened for reading.
  bool FileExists(const std::string& path);

  // Copies the whole file; false when the source is missing (after telling
  // the operator) or the copy fails (silently).
  bool CopyFile(std::string SourcePath, std::string DestinationPath);

  // Files a copy of the received file under
  // RutaDestino\TESTIGO\yyyy-mm\dd-hhmm<SubFijo>\. `SubFijo` is cut to its first
  // character; an empty `RutaDestino` becomes the program folder; on failure
  // `RutaArchivo` becomes "ERROR".
  void GuardarTestigoRecepcion(std::string& RutaArchivo, std::string& SubFijo, std::string& RutaDestino);
  void GuardarTestigoRecepcion(std::string& RutaArchivo);

 private:
  Utilidades& Util();
  SesionDatos& Sesion();

  Platform& platform_;
  std::unique_ptr<Utilidades> utilidades_;
  std::unique_ptr<SesionDatos> sesion_;
};

}  // namespace tramvel
