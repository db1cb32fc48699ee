#include "common/VbDates.h"

#include "platform/RegionalDates.h"

namespace tramvel {

std::string FormatoFechaCorta(const DateTime& when) { return RegionalShortDate(when); }

std::string FormatoHoraLarga(const DateTime& when) { return RegionalLongTime(when); }

std::string FormatoGeneral(const DateTime& when) { return FormatoFechaCorta(when) + " " + FormatoHoraLarga(when); }

}  // namespace tramvel
