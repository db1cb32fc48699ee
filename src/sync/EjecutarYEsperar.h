#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace tramvel {

class StepRunner;

// Starts an outside program and waits for it, polling its exit code once a
// second and letting window events run in between. Holds the job's
// `CodigoSalida`, which keeps the last code read from one wait to the next.
class EjecutarYEsperar {
 public:
  struct Proceso {
    int64_t id = 0;
    ProcessHandle handle = 0;  // 0: not open for watching
  };

  EjecutarYEsperar(Platform& platform, std::function<void(const std::string&)> rotulo)
      : platform_(platform), rotulo_(std::move(rotulo)) {}

  // Starts the command line and opens the process for watching, each a step
  // of `pasos` (a program that cannot be started is a failure of the step).
  Proceso Iniciar(StepRunner& pasos, const std::string& lineaComando);

  // Polls until the program has ended: each pass shows `antes`, reads the
  // exit code, pumps events, shows `despues` and sleeps up to one second (less
  // when the program ends first). Releases the handle.
  void Esperar(StepRunner& pasos, const Proceso& proceso, const std::optional<std::string>& antes,
               const std::optional<std::string>& despues);

  uint32_t CodigoSalida() const { return codigoSalida_; }

  // True when the program was watched to its end and ended with code 0.
  bool TerminoBien(const Proceso& proceso) const { return proceso.handle != 0 && codigoSalida_ == 0; }

 private:
  Platform& platform_;
  std::function<void(const std::string&)> rotulo_;
  uint32_t codigoSalida_ = 0;
};

}  // namespace tramvel
