#pragma once

#include <string>
#include <string_view>

namespace tramvel {

// Comparisons of the system ignore letter case, accented letters included.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Position of the first occurrence of `needle` in `haystack` at or after
// `from`, ignoring case; npos when absent.
std::size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);

std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

}  // namespace tramvel
