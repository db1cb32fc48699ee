#pragma once

#include <string>

#include "platform/Failure.h"

namespace tramvel {

// The one place where an errno becomes a Failure with the number Windows
// would give it, which callers test: ENOENT 53 (76 when the folder is missing), access errors 75, a full
// disk 61, and so on. `path` is the path as the system wrote it.
Failure PosixFailure(int error, const std::string& path, const std::string& source);

}  // namespace tramvel
