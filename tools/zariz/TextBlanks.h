#pragma once

#include <string_view>

namespace tramvel::zariz {

// The text without the blanks and tabs around it.
constexpr std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace tramvel::zariz
