#pragma once

#include <string>
#include <vector>

namespace tramvel {
class Dll_SYD;
class Platform;
}  // namespace tramvel

namespace tramvel::syd {

// syd verificar-campos [--confirmar]: runs VerificaCampos again while the
// schema date moves and has not reached the final key, printing the date
// after each call. Questions take their default button, or Yes with
// --confirmar. 0 at the final key; 1, naming the step that waits, when the
// upgrade stops short; 2 for a bad argument.
int VerificarCampos(Platform& platform, const Dll_SYD& conexion, const std::vector<std::string>& args);

// syd estado-esquema: the stored schema date, the step it keys and how many
// steps remain, changing nothing.
int EstadoEsquema(Dll_SYD& dll, const std::vector<std::string>& args);

}  // namespace tramvel::syd
