#include "common/components/Utilidades.h"

#include <fmt/format.h>

#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"

namespace tramvel {

std::string Utilidades::RutaConBarra(std::string_view carpeta) {
  std::string ruta(carpeta);
  while (!ruta.empty() && (ruta.back() == '\\' || ruta.back() == '/')) ruta.pop_back();
  // A lone root ("/" or "\") keeps its meaning as the root.
  return ruta + "\\";
}

std::string Utilidades::QuitarCaracter(std::string_view texto, std::string_view caracter) {
  if (caracter.empty()) return std::string(texto);
  std::string out;
  out.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size();) {
    if (texto.substr(i, caracter.size()) == caracter) {
      i += caracter.size();
    } else {
      out.push_back(texto[i++]);
    }
  }
  return out;
}

void Utilidades::SepararRuta(std::string_view ruta, std::string_view /*sinUso*/, std::string& nombre,
                             std::string& extension, std::string_view /*sinUso2*/) {
  const auto barra = ruta.find_last_of("\\/");
  const std::string_view archivo = barra == std::string_view::npos ? ruta : ruta.substr(barra + 1);
  const auto punto = archivo.find_last_of('.');
  if (punto == std::string_view::npos) {
    nombre = std::string(archivo);
    extension.clear();
  } else {
    nombre = std::string(archivo.substr(0, punto));
    extension = std::string(archivo.substr(punto + 1));
  }
}

int Utilidades::ManejarError(const Failure& error, std::optional<int> estilo, std::string_view rutina) const {
  std::string texto = fmt::format("Error {}: {}", error.Number(), error.Description());
  if (!rutina.empty()) texto += fmt::format("\r\nRutina: {}", rutina);
  if (!error.Source().empty()) texto += fmt::format("\r\nOrigen: {}", error.Source());
  const int icono = estilo.value_or(0) == 7 ? mb::kExclamation : mb::kCritical;
  return platform_.MessageBox(texto, mb::kAbortRetryIgnore + icono, std::string(rutina));
}

}  // namespace tramvel
