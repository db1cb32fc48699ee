#pragma once

#include <string>

namespace tramvel {

class ProgramState;

// Loads the system settings (ProgramState::Configuracion and the colours)
// from the main database's ta_configuracion through Cfg, and the business
// unit and proforma flag from the logged-in user's row of ta_usuarios.
// `RutaPrograma` is the program folder ending in a backslash. A step that
// fails leaves its setting as it was and the load goes on, silently.
void CargarConfiguracion(ProgramState& programa, const std::string& RutaPrograma);

}  // namespace tramvel
