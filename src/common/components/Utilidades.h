#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Failure.h"

namespace tramvel {

class Platform;

// The suite's text, path and error-dialog helpers.
class Utilidades {
 public:
  explicit Utilidades(Platform& platform) : platform_(platform) {}

  // The folder path ending in exactly one backslash (a closing "/" counts as
  // a separator too and is replaced).
  static std::string RutaConBarra(std::string_view carpeta);

  // The text without any occurrence of `caracter`.
  static std::string QuitarCaracter(std::string_view texto, std::string_view caracter);

  // Splits a file path into the file name without its extension and the
  // extension without its dot ("C:\RECIBIR\A.B.TXT" gives "A.B" and "TXT").
  // The second and fifth arguments of the original call are unused.
  static void SepararRuta(std::string_view ruta, std::string_view sinUso, std::string& nombre, std::string& extension,
                          std::string_view sinUso2 = {});

  // Shows the failure to the operator with Abort, Retry and Ignore and returns
  // the answer code (3 abort, 4 retry, 5 ignore). `estilo` 7 is the reception
  // witness's: the same buttons, with an exclamation icon.
  int ManejarError(const Failure& error, std::optional<int> estilo = std::nullopt,
                   std::string_view rutina = {}) const;

 private:
  Platform& platform_;
};

}  // namespace tramvel
