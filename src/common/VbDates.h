#pragma once

#include <string>

#include "platform/DateTime.h"

namespace tramvel {

// Dates as Windows with Spanish regional settings writes them: day/month/year
// with "/", times HH:mm:ss with ":".

// The general date-and-time format: short date, a blank, long time
// ("06/05/2014 18:37:05").
std::string FormatoGeneral(const DateTime& when);

// "dd/mm/yyyy".
std::string FormatoFechaCorta(const DateTime& when);

// "HH:mm:ss".
std::string FormatoHoraLarga(const DateTime& when);

}  // namespace tramvel
