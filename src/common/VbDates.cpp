#include "common/VbDates.h"

#include <fmt/format.h>

namespace tramvel {

std::string FormatoFechaCorta(const DateTime& when) {
  return fmt::format("{:02}/{:02}/{:04}", when.day, when.month, when.year);
}

std::string FormatoHoraLarga(const DateTime& when) {
  return fmt::format("{:02}:{:02}:{:02}", when.hour, when.minute, when.second);
}

std::string FormatoGeneral(const DateTime& when) { return FormatoFechaCorta(when) + " " + FormatoHoraLarga(when); }

}  // namespace tramvel
