#include "upgrade/LotesDeScript.h"

#include "common/VbValues.h"
#include "platform/Failure.h"
#include "platform/TextCase.h"

namespace tramvel {
namespace {

constexpr std::size_t kIndiceMaximo = 32767;
constexpr std::string_view kMarcaDeOrden = "\xEF\xBB\xBF";

}  // namespace

std::vector<std::string_view> LineasDeTexto(std::string_view texto) {
  std::vector<std::string_view> lineas;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    const std::size_t fin = texto.find_first_of("\r\n", inicio);
    if (fin == std::string_view::npos) {
      lineas.push_back(texto.substr(inicio));
      break;
    }
    lineas.push_back(texto.substr(inicio, fin - inicio));
    inicio = fin + 1;
    if (texto[fin] == '\r' && inicio < texto.size() && texto[inicio] == '\n') ++inicio;
  }
  return lineas;
}

void LotesDeScript::Agregar(std::string_view linea) {
  if (EqualsIgnoreCase(RecortarBlancos(linea), "GO")) {
    if (lotes_.size() > kIndiceMaximo) throw Failure(failure::kOverflow, "Overflow", "Dll_SYD");
    lotes_.emplace_back();
    return;
  }
  std::string& lote = lotes_.back();
  for (std::size_t marca; (marca = linea.find(kMarcaDeOrden)) != std::string_view::npos;) {
    lote.append(linea.substr(0, marca)).push_back(' ');
    linea.remove_prefix(marca + kMarcaDeOrden.size());
  }
  lote.append(linea).append("\r\n");
}

}  // namespace tramvel
