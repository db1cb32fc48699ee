#pragma once

#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace tramvel {

// The patterns of the stored time stamps: the error table's and the access
// log's. Always these texts; only the separators of a formatted date follow
// the regional settings (Spanish: "/" and ":").
std::string FormatoFechaHora();  // "dd/mm/yy hh:mm"
std::string FormatoFecha();      // "dd/mm/yy"
std::string FormatoHora();       // "hh:mm"

// The date and time written with a pattern in VB's Format terms: dd, mm
// (minutes right after hh, else the month), yy, yyyy, hh, nn, ss; "/" and ":"
// as the regional separators; any other character as it stands.
std::string FormatearFecha(const DateTime& cuando, std::string_view patron);

}  // namespace tramvel
