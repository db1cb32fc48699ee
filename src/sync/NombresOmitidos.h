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

// Windows allows neither "\\" nor "/" in a file name, so a listed name
// holding one came from somewhere else; joined to its folder it would name
// another file (C:\\RECIBIR\\..\\x.txt), which no loop of a job may copy or
// delete.
inline bool NombreConCarpeta(std::string_view nombre) {
  return nombre.find_first_of("\\/") != std::string_view::npos;
}

// The status line between the blocks of a job.
inline const std::string kPuntos(18, '.');

}  // namespace tramvel
