#pragma once

#include <cstdint>
#include <string>

namespace tramvel {

class InfoEquipo;
class Platform;
class SesionDatos;

// Records a failed statement list as one row of AUX_ERR on the main session,
// so that failures of unattended work can be looked at later. Every failing
// step is skipped silently: without the table, or with a lost connection,
// no row is left and nothing is told. An empty `proceso` comes back holding
// the program's executable name, which is what the row's Proceso gets.
void GrabarError(SesionDatos& sesion, const InfoEquipo& equipo, Platform& platform, const std::string& sql,
                 std::string& proceso, int32_t nroError, const std::string& descripcion);

}  // namespace tramvel
