#pragma once

#include <string>

namespace tramvel {

class Platform;

// True when `ruta` can be opened for reading; false for a missing file, a
// folder, or one that may not be read. Nothing is shown and nothing raised.
bool ExisteArchivo(Platform& platform, const std::string& ruta);

}  // namespace tramvel
