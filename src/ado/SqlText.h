#pragma once

#include <string>
#include <string_view>

namespace tramvel::ado {

// A text as an SQL literal of any engine: between single quotes, each quote
// inside doubled, so that no value can end its literal early.
inline std::string QuotedText(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

}  // namespace tramvel::ado
