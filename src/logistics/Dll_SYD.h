#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "common/components/VentanaEspera.h"

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

  // ----- configuration and connection -----

  // The column `QueCampo` of the first row of TA_CONFIGURACION, trimmed; the
  // empty text when the table has no row, or when reading it fails and the
  // operator gives up (the failure is shown with the routine name "CFG").
  // A name that is not an identifier is such a failure, and nothing is sent.
  std::string Cfg(const std::string& QueCampo);

  // True for an identifier as SQL Server writes one unquoted (a letter, "_",
  // "@" or "#", then letters, digits, "_", "@", "#" or "$"; at most 128).
  static bool EsNombreDeColumna(std::string_view nombre);

  // Connects the object's own session to gServidor / gDBName with the
  // account gUsuario / gUserPassWord. Its outcome is not checked here: a
  // failed connection shows up in the first operation that needs it.
  void OpenADOServer();

  // ----- schema upgrade -----

  // Brings the schema up to the last dated step this build knows: reads the
  // schema date (TA_CONFIGURACION.FHUPDATE), runs the step it keys and goes
  // on with the date that step wrote, asking the operator before the early
  // steps. One workstation at a time: a call that finds another upgrading
  // says so and changes nothing. A step the operator refuses ends the call.
  // Once a pass has had to advance a date that keys no step, a failure is
  // no longer shown to the operator but raised to the caller. A call also
  // ends after the pass that started from 03/09/2004: the loop's test reads
  // the date its pass started from, so a database at 02/07/2004 takes two
  // calls to reach the final key.
  void VerificaCampos();

  // Runs a script of batches separated by GO lines on the object's session.
  // Every batch runs; a pass that met a missing object (208) runs the set
  // again, up to 20 passes, the "drop " batches only in the first. Objects
  // that exist already count as made; every other database error is written
  // to "Script<h><m><s>.TXT" in the temporary folder, which the operator is
  // then told of, and which is opened for an operator who reads documents.
  // An empty `Archivo` does nothing. Never raises; true when the script could
  // be read and no error was written.
  bool VerVistas(const std::string& Archivo);

 private:
  Utilidades& Util();
  SesionDatos& Sesion();
  VentanaEspera& Espera();

  Platform& platform_;
  std::unique_ptr<Utilidades> utilidades_;
  std::unique_ptr<SesionDatos> sesion_;
  std::unique_ptr<VentanaEspera> espera_;
};

}  // namespace tramvel
