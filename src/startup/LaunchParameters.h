#pragma once

#include <string>
#include <string_view>

#include "common/VbValues.h"

namespace tramvel {

// The value of launch parameter `clave` (such as "@Server") in `linea`: the
// fields are "@Key=value;" in any order, keys in any case. The key counts only
// where it is followed, after optional blanks, by "=", so "@Usuario" never
// reads the field "@UsuarioLogeado"; the value runs to the next semicolon, or
// to the end of the line when none closes it; blanks around it are trimmed.
// `ausente` when the line has no such field.
std::string LeerParametro(std::string_view linea, std::string_view clave, std::string_view ausente = {});

}  // namespace tramvel
