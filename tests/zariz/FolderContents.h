#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tramvel::zariz::test {

// The names in a folder, files and sub-folders, hidden ones too, sorted;
// empty when the folder does not exist.
std::vector<std::string> EntriesOf(const std::string& folder);

// `size` bytes that differ from file to file with `seed`.
std::string Content(std::size_t size, unsigned seed);

}  // namespace tramvel::zariz::test
