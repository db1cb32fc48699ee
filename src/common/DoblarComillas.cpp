#include "common/DoblarComillas.h"

namespace tramvel {

std::string DoblarComillas(std::string_view texto) {
  std::string out;
  out.reserve(texto.size());
  for (const char c : texto) {
    out.push_back(c);
    if (c == '\'') out.push_back('\'');
  }
  return out;
}

}  // namespace tramvel
