#pragma once

#include <string>

namespace tramvel {

class SesionDatos;

// The SQL text to run on the session's database: on Oracle, "LEN" becomes
// "LENGTH" and "TOP n *" becomes "*" with "WHERE ROWNUM <= n" at the end;
// on any other database the text unchanged. A TOP text with no "*" after
// it raises 5.
std::string AdaptarSQL(const SesionDatos& sesion, const std::string& sql);

}  // namespace tramvel
