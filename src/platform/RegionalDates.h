#pragma once

#include <string>

#include "platform/DateTime.h"

namespace tramvel {

// Dates and times as Windows writes them under the Spanish regional settings
// the system runs with: the data layer's CStr of a date and the program's
// own Format calls both give these texts, so they live in one place.

// The short date, "dd/mm/yyyy" ("06/05/2014").
std::string RegionalShortDate(const DateTime& when);

// The long time, "HH:mm:ss" ("18:37:05").
std::string RegionalLongTime(const DateTime& when);

}  // namespace tramvel
