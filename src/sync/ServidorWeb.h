#pragma once

#include "sync/TextosProgramas.h"

namespace tramvel {

class ProgramState;

// The web-server values of a run from the configuration file, section [FTP]:
// Servidor (no default: an empty host stops the run), Usuario and Password
// (default the fixed account qa417205 / Pol1984).
ValoresFtp LeerServidorWeb(ProgramState& programa);

}  // namespace tramvel
