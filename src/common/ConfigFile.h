#pragma once

#include <string>

namespace tramvel {

class Platform;

// The configuration file: the one TRAMVEL_INI names, else "RO000vu.INI" in
// the program folder.
std::string RutaArchivoIni(Platform& platform);

}  // namespace tramvel
