#pragma once

#include <string>

namespace tramvel {

class ProgramState;

// Records that the user opened `formulario` (empty: this program, by its
// executable name): works out the user's menu task for it and inserts one
// Control_Acceso row. Every failing step is skipped silently; a failed
// insert is told by the statement list (AUX_ERR row and message).
void RegistrarAcceso(ProgramState& programa, const std::string& formulario);

// The task query of a user and a lookup name, each value inside its
// literal (quotes doubled).
std::string ConsultaDeTareas(const std::string& usuario, const std::string& formulario);

}  // namespace tramvel
