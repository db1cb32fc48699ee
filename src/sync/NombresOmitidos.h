#pragma once

#include <string>
#include <string_view>

#include "platform/TextCase.h"

namespace tramvel {

// The file loops of a job pass over ".", ".." and the status file, whatever
// the case of its name.
inline bool EsNombreOmitido(const std::string& nombre, std::string_view estados) {
  return nombre == "." || nombre == ".." || EqualsIgnoreCase(nombre, estados);
}

// The status line between the blocks of a job.
inline const std::string kPuntos(18, '.');

}  // namespace tramvel
