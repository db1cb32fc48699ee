#pragma once

#include <string>

namespace tramvel {

class ProgramState;
class SesionDatos;

// Creates the login `Login` with `Password` and default database
// `BaseDefecto`, gives it its server and database roles, on `Sesion` (the
// main session when null). An Oracle connection (its text names ORACLE)
// gets one text instead. On SQL Server the first error sp_addlogin reports
// decides: 15116 (a password the Windows policy refuses) tells the operator
// and ends; 15010 (no such default database) writes its creation script
// (CrearBaseDeDatos) and goes on; 15025 (the login exists) goes on; any
// other ends. A rejected command (-2147217900) is skipped silently; any
// other failure goes to MostrarError.
void ProvisionarLogin(ProgramState& programa, const std::string& BaseDefecto, const std::string& Login,
                      const std::string& Password, SesionDatos* Sesion = nullptr);

}  // namespace tramvel
