#include "startup/NombreServidor.h"

namespace tramvel {

std::string NombreServidor(std::string_view servidor) {
  const auto barra = servidor.find('/');
  std::string_view nombre = barra == std::string_view::npos ? servidor : servidor.substr(barra + 1);
  const auto dosPuntos = nombre.find(':');
  if (dosPuntos != std::string_view::npos) nombre = nombre.substr(0, dosPuntos);
  return std::string(nombre);
}

}  // namespace tramvel
