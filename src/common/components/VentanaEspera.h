#pragma once

#include <cstdint>
#include <string>

namespace tramvel {

class Platform;

// The suite's modeless wait window: a title, three lines and a stop button.
class VentanaEspera {
 public:
  explicit VentanaEspera(Platform& platform) : platform_(platform) {}

  // Shows the window with `titulo`; the flag is kept because callers pass
  // one, and changes nothing.
  void Mostrar(const std::string& titulo, int16_t flag = 0);

  // Sets the three lines; `detener` becomes -1 once the operator has asked to
  // stop, and is left as it is otherwise.
  void Mensaje(int16_t& detener, const std::string& linea1, const std::string& linea2,
               const std::string& linea3 = {});

  void Cerrar();

 private:
  Platform& platform_;
};

}  // namespace tramvel
