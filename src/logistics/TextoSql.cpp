#include "logistics/TextoSql.h"

namespace tramvel {

std::string ComillasDobladas(std::string_view valor) {
  std::string out;
  out.reserve(valor.size());
  for (const char c : valor) {
    out.push_back(c);
    if (c == '\'') out.push_back('\'');
  }
  return out;
}

}  // namespace tramvel
