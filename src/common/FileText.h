#pragma once

#include <optional>
#include <string>

namespace tramvel {

class Platform;

// True when `path` can be opened for reading: false for a missing file, a
// folder, or one that may not be read. Never raises.
bool CanOpenForReading(Platform& platform, const std::string& path);

// The whole content of a file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(Platform& platform, const std::string& path);

}  // namespace tramvel
