#include "common/StepRunner.h"
#include "sync/Sincronizacion.h"

namespace tramvel {

bool Sincronizacion::Descarga(Ejecucion& /*run*/, StepRunner& pasos) {
  Estado(pasos, "La descarga aun no esta disponible");
  return false;
}

}  // namespace tramvel
