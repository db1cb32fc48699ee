#pragma once

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

namespace tramvel::test {

// A short test-case name made from a case's own text: its words run together
// in capitals, at most a few dozen characters, numbered so no two clash.
// CTest lists every case by this name, so a long parameter text must not
// become part of it.
inline std::string CaseName(std::string_view text, std::size_t index) {
  constexpr std::size_t kLongest = 32;
  std::string name;
  bool wordStart = true;
  for (const char c : text) {
    if (name.size() == kLongest) break;
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
      wordStart = true;
      continue;
    }
    name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
    wordStart = false;
  }
  return name + "_" + std::to_string(index);
}

}  // namespace tramvel::test
