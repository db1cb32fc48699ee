#pragma once

#include <cstdint>
#include <string>

namespace tramvel {

class ProgramState;

// The suite's start-up sequence: reads the launch parameters into the
// program-wide values and prepares the main session. Returns normally
// whatever it meets; failure 5 is skipped, any other ends it silently.
void IniciarSistema(ProgramState& programa, bool ocultar, std::string& lineaComando, std::string& conexionInicial,
                    int32_t modo);

}  // namespace tramvel
