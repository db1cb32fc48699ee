#include "startup/ProgramState.h"

namespace tramvel {

EntornoScript ProgramState::Script() {
  return {Sesion(), Equipo(), platform_, [this](const Failure& error, const std::string& rutina) {
            return Util().ManejarError(error, std::nullopt, rutina);
          }};
}

}  // namespace tramvel
