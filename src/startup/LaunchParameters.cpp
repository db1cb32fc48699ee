#include "startup/LaunchParameters.h"

#include "platform/TextCase.h"

namespace tramvel {

std::string LeerParametro(std::string_view linea, std::string_view clave, std::string_view ausente) {
  for (std::size_t at = FindIgnoreCase(linea, clave); at != std::string_view::npos;
       at = FindIgnoreCase(linea, clave, at + 1)) {
    std::size_t igual = at + clave.size();
    while (igual < linea.size() && linea[igual] == ' ') ++igual;
    if (igual >= linea.size() || linea[igual] != '=') continue;
    const std::size_t inicio = igual + 1;
    const std::size_t fin = linea.find(';', inicio);
    // Only the sign that joins key and value goes: a value may hold "=".
    return RecortarBlancos(linea.substr(inicio, fin == std::string_view::npos ? std::string_view::npos : fin - inicio));
  }
  return std::string(ausente);
}

}  // namespace tramvel
