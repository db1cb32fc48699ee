#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace tramvel {

struct RealPlatformOptions {
  // The text after the program's own path on its command line.
  std::string commandLine;
  // True: message boxes are shown to the operator (a display and a Qt
  // application exist). False: unattended; each box's text goes to standard
  // error and the box answers by itself (see Platform::MessageBox).
  bool operatorPresent = false;
  // Native folder of drive C:; by default TRAMVEL_DRIVE_C or
  // ~/.local/share/tramvel/C.
  std::optional<std::string> driveCRoot;
};

// The platform of a real run: POSIX files and processes, the system clock,
// Qt for the operator.
std::unique_ptr<Platform> NewRealPlatform(RealPlatformOptions options);

}  // namespace tramvel
