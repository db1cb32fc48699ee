#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Failure.h"
#include "ado/Currency.h"
#include "ado/Variant.h"

namespace tramvel {

class Platform;

// The suite's text, path and error-dialog helpers.
class Utilidades {
 public:
  explicit Utilidades(Platform& platform) : platform_(platform) {}

  // The text cut to at most `maximo` characters; a character is never split
  // in two, so the result stays valid text for the database.
  static std::string AjustarTexto(std::string_view texto, int16_t maximo);

  // The number at the start of the text (as VB's Val reads it) as an amount;
  // 0 for an empty text or one that starts with no number. A number beyond
  // the amount's range raises 6.
  static void ValorNumerico(std::string_view texto, Currency& valor);

  // A database Null as the empty text; any other value as it is.
  static ado::Variant SinNulo(const ado::Variant& valor);

  // The number of words separated by blanks (spaces, tabs, line breaks):
  // 0 for a text of blanks only, 1 for a single word.
  static void ContarPalabras(std::string_view texto, int32_t& cantidad);

  // A code in the form its column stores it: without blanks around, right
  // aligned in `ancho` characters with blanks before it (a longer code is
  // kept whole, so that it never matches a different one). Callers put the
  // result between single quotes, so a quote inside the code is doubled.
  static std::string FormatoCodigo(std::string_view codigo, int16_t ancho);

  // The folder path ending in exactly one separator: a backslash for the
  // system's own paths (those that start with a drive or a backslash), "/"
  // for a path of this machine. Closing separators of either kind are
  // replaced.
  static std::string RutaConBarra(std::string_view carpeta);

  // The text without any occurrence of `caracter`.
  static std::string QuitarCaracter(std::string_view texto, std::string_view caracter);

  // Splits a file path into the file name without its extension and the
  // extension without its dot ("C:\RECIBIR\A.B.TXT" gives "A.B" and "TXT").
  // The second and fifth arguments are kept for callers and unused.
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
