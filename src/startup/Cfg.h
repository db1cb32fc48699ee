#pragma once

#include <string>

#include "platform/ado/Variant.h"

namespace tramvel {

class ProgramState;

// The configuration store: key/value rows of the table gTablaConfiguracion
// ("TA_CONFIGURACION" when empty), in the main database (Cfg) or the
// statistics database (CfgDW, GrabaCfgDW). Keys compare without regard to
// case; a quote in a key is doubled, so it only ever names its own row.

// The value of `Clave` (trimmed) in the main database, and its auxiliary
// value in `ValorAux`. A key that is not there reads as a single blank; an
// empty "THEME" as "1". Not connected: the empty text, at once. A failure is
// shown with MostrarError under "Cfg": Ignore goes on with the next step,
// any other answer gives the empty text.
std::string Cfg(ProgramState& programa, const std::string& Clave, std::string& ValorAux);

// Cfg on the statistics database, reported under "CfgDW"; it queries whether
// or not the statistics session is connected.
std::string CfgDW(ProgramState& programa, const std::string& Clave, std::string& ValorAux);

// Creates or updates the row of `Clave` (looked up as passed) in the
// statistics database: the key stored trimmed in capitals, `Valor` trimmed
// when `RecortarValor`, `ValorAux` only when not empty. Every failure is
// skipped silently; a failed save leaves the row as it was.
void GrabaCfgDW(ProgramState& programa, const std::string& Clave, const ado::Variant& Valor,
                const std::string& ValorAux, bool PoliticaNegocio, const std::string& Grupo, bool RecortarValor);

}  // namespace tramvel
