#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace tramvel {

// Builds the operator of a run for the platform that will hand it out.
using OperatorFactory = std::function<std::unique_ptr<tramvel::Operator>(Platform& platform)>;

struct RealPlatformOptions {
  // The text after the program's own path on its command line.
  std::string commandLine;
  // Native folder of drive C:; by default TRAMVEL_DRIVE_C or
  // ~/.local/share/tramvel/C.
  std::optional<std::string> driveCRoot;
  // The operator of the run, chosen once when the program starts. Unset:
  // nobody is there (UnattendedOperator).
  OperatorFactory newOperator;
};

// The platform of a real run: POSIX files and processes, the system clock,
// and the operator that `options` chose.
std::unique_ptr<Platform> NewRealPlatform(RealPlatformOptions options);

}  // namespace tramvel
