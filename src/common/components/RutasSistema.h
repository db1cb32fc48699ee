#pragma once

#include <string>

namespace tramvel {

// The suite's record of the program folder (ending in a backslash).
class RutasSistema {
 public:
  void RutaAplicacion(std::string ruta) { rutaAplicacion_ = std::move(ruta); }
  const std::string& RutaAplicacion() const { return rutaAplicacion_; }

 private:
  std::string rutaAplicacion_;
};

}  // namespace tramvel
