#pragma once

#include <string>

namespace tramvel {

class Platform;
class ProgramState;

// Where CrearBaseDeDatos looks for "completodwe.sql" when the program folder
// lacks it: the installed data folder, share/tramvel beside the program's
// bin folder.
std::string CarpetaDeDatosInstalada(Platform& platform);

// Writes "CDB7.SQL" in the temporary folder (TEMP, else the workstation's):
// the script an administrator runs to create the database `Nombre` and its
// login with their roles; the program does not run it. Then points the
// statistics session at that database on `Servidor`. Nothing happens but a
// message when "completodwe.sql" is in neither the program folder nor the
// installed data folder. A closed connection (3704) is skipped silently;
// any other failure goes to MostrarError.
void CrearBaseDeDatos(ProgramState& programa, const std::string& Servidor, const std::string& sinUso1,
                      const std::string& sinUso2, const std::string& Nombre);

}  // namespace tramvel
