#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Failure.h"

namespace tramvel {

class Platform;

// The error dialog of the start-up and common-service procedures: shows the
// failure with `botones` (18 when omitted: stop icon, Abort/Retry/Ignore),
// titled with its source and `rutina`, appends the failure and the answer to
// "DWERR.LOG" in the temporary folder, and returns the answer code (0 when the
// error number is 0: nothing is shown or written, yet the log is opened). A
// log that cannot be opened raises before anything is shown.
int16_t MostrarError(Platform& platform, const Failure& error, std::optional<int32_t> botones = std::nullopt,
                     const std::optional<std::string>& rutina = std::nullopt);

}  // namespace tramvel
