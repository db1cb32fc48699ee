#pragma once

#include <string>

namespace tramvel {

// One status text of up to three lines: the first line, then each non-empty
// further line after a carriage return and line feed.
std::string ComponerEstado(const std::string& l1, const std::string& l2, const std::string& l3);

}  // namespace tramvel
