#include "common/ConfigFile.h"

#include "common/components/Utilidades.h"
#include "platform/Platform.h"

namespace tramvel {

std::string RutaArchivoIni(Platform& platform) {
  if (const auto named = platform.GetEnv("TRAMVEL_INI"); named && !named->empty()) return *named;
  return Utilidades::RutaConBarra(platform.ProgramFolder()) + "RO000vu.INI";
}

}  // namespace tramvel
