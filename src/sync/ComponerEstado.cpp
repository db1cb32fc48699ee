#include "sync/ComponerEstado.h"

namespace tramvel {

std::string ComponerEstado(const std::string& l1, const std::string& l2, const std::string& l3) {
  std::string texto = l1;
  if (!l2.empty()) texto += "\r\n" + l2;
  if (!l3.empty()) texto += "\r\n" + l3;
  return texto;
}

}  // namespace tramvel
