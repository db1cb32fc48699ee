#pragma once

#include <cstdint>
#include <string>

namespace tramvel {

class ProgramState;

// The suite's start-up sequence: reads the launch parameters into the
// program-wide values, opens the main session and sets it up, sets up the
// statistics session, writes the search definitions when their file is
// missing, loads the settings and logs the access. Failure 5 is skipped;
// any other ends the sequence silently, and the caller goes on with what it
// read so far. Returns false only when the main connection could not be
// opened: the program is then to end at once (Conectar has told why).
bool IniciarSistema(ProgramState& programa, bool ocultar, std::string& lineaComando, std::string& conexionInicial,
                    int32_t modo);

}  // namespace tramvel
