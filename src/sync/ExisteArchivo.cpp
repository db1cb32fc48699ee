#include "sync/ExisteArchivo.h"

#include "common/FileText.h"

namespace tramvel {

bool ExisteArchivo(Platform& platform, const std::string& ruta) { return CanOpenForReading(platform, ruta); }

}  // namespace tramvel
