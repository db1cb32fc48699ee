#include "startup/ProgramState.h"

#include "common/MostrarError.h"

namespace tramvel {

EntornoScript ProgramState::Script() {
  return {Sesion(), Equipo(), platform_, [this](const Failure& error, const std::string& rutina) {
            return MostrarError(platform_, error, std::nullopt, rutina);
          }};
}

}  // namespace tramvel
