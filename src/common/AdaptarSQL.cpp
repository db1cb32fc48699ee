#include "common/AdaptarSQL.h"

#include <cstdint>

#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "platform/Failure.h"
#include "platform/TextCase.h"

namespace tramvel {

std::string AdaptarSQL(const SesionDatos& sesion, const std::string& sql) {
  if (FindIgnoreCase(sesion.Motor(), "oracle") == std::string::npos) return sql;
  int32_t palabras = 0;
  Utilidades::ContarPalabras(sql, palabras);
  if (palabras <= 1) return ToUpper(sql) == "LEN" ? "LENGTH" : sql;
  if (FindIgnoreCase(sql, "top ") == std::string::npos) return sql;
  // The first "top", even inside a longer word, as the suite has always cut it.
  const std::size_t top = FindIgnoreCase(sql, "top");
  const std::string antes = sql.substr(0, top);
  const std::string resto = sql.substr(top + 3);
  const std::size_t asterisco = resto.find('*');
  if (asterisco == std::string::npos) {
    throw Failure(failure::kInvalidCall, "Invalid procedure call or argument", "AdaptarSQL");
  }
  return antes + " * " + resto.substr(asterisco + 1) + " WHERE ROWNUM <= " + resto.substr(0, asterisco);
}

}  // namespace tramvel
