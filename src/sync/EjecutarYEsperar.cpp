#include "sync/EjecutarYEsperar.h"

#include "common/StepRunner.h"

namespace tramvel {

EjecutarYEsperar::Proceso EjecutarYEsperar::Iniciar(StepRunner& pasos, const std::string& lineaComando) {
  Proceso proceso;
  pasos([&] { proceso.id = platform_.StartProcess(lineaComando, WindowStyle::kNormalFocus); });
  pasos([&] { proceso.handle = proceso.id == 0 ? 0 : platform_.OpenProcess(proceso.id); });
  return proceso;
}

void EjecutarYEsperar::Esperar(StepRunner& pasos, const Proceso& proceso, const std::optional<std::string>& antes,
                               const std::optional<std::string>& despues) {
  do {
    if (antes) pasos([&] { rotulo_(*antes); });
    // Through handle 0 the reading fails and the code keeps its last value,
    // so such a wait ends after one pass.
    pasos([&] { platform_.GetExitCode(proceso.handle, codigoSalida_); });
    pasos([&] { platform_.Operator().PumpEvents(); });
    if (despues) pasos([&] { rotulo_(*despues); });
    if (codigoSalida_ == kStillActive) pasos([&] { platform_.SleepUnlessEnded(proceso.handle, 1000); });
  } while (codigoSalida_ == kStillActive);
  pasos([&] { platform_.CloseHandle(proceso.handle); });
}

}  // namespace tramvel
