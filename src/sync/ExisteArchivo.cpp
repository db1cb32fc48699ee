#include "sync/ExisteArchivo.h"

#include "common/StepRunner.h"
#include "platform/Platform.h"

namespace tramvel {

bool ExisteArchivo(Platform& platform, const std::string& ruta) {
  bool abierto = false;
  StepRunner pasos(StepRunner::Ignoring());
  pasos([&] {
    platform.OpenFile(ruta, OpenMode::kRead);
    abierto = true;
  });
  return abierto;
}

}  // namespace tramvel
