#include "platform/RegionalDates.h"

#include <fmt/format.h>

namespace tramvel {

std::string RegionalShortDate(const DateTime& when) {
  return fmt::format("{:02}/{:02}/{:04}", when.day, when.month, when.year);
}

std::string RegionalLongTime(const DateTime& when) {
  return fmt::format("{:02}:{:02}:{:02}", when.hour, when.minute, when.second);
}

}  // namespace tramvel
