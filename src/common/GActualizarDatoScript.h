#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Failure.h"

namespace tramvel {

class InfoEquipo;
class Platform;
class SesionDatos;

// What a statement list runs with: the program's main session, the
// workstation (for the error table), the platform (for the operator) and
// the program's error dialog, which answers 4 to retry a failed step, 5 to
// skip it, anything else to give up.
struct EntornoScript {
  SesionDatos& sesion;
  const InfoEquipo& equipo;
  Platform& platform;
  std::function<int(const Failure& error, const std::string& rutina)> mostrarError;
};

// Runs the non-blank statements of `lineas` as one transaction on the main
// session. A database error rolls it back, writes an AUX_ERR row and, when
// `mostrarMensaje`, shows every reported error to the operator under
// "Aviso al Operador!". A first error 2627 (with `ignorarDuplicado`) or 547
// (with `ignorarRestriccion`) is an expected outcome: no message, its bare
// description in `mensajeError`. A list of blanks only sends nothing and
// leaves the out values as they were.
void GActualizarDatoScript(const EntornoScript& entorno, const std::vector<std::string>& lineas, bool& huboError,
                           int32_t& nroError, bool ignorarDuplicado, bool ignorarRestriccion,
                           std::string& scriptEjecutado, std::string& mensajeError, bool mostrarMensaje);

}  // namespace tramvel
