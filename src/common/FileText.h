#pragma once

#include <optional>
#include <string>

namespace tramvel {

class Platform;

// The whole content of a file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(Platform& platform, const std::string& path);

}  // namespace tramvel
