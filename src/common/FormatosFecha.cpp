#include "common/FormatosFecha.h"

#include <fmt/format.h>

namespace tramvel {

std::string FormatoFechaHora() { return "dd/mm/yy hh:mm"; }

std::string FormatoFecha() { return "dd/mm/yy"; }

std::string FormatoHora() { return "hh:mm"; }

std::string FormatearFecha(const DateTime& cuando, std::string_view patron) {
  std::string texto;
  bool trasHora = false;  // "mm" right after "hh" means minutes
  for (std::size_t i = 0; i < patron.size();) {
    const std::string_view resto = patron.substr(i);
    auto dos = [&](int valor) {
      texto += fmt::format("{:02}", valor);
      i += 2;
    };
    if (resto.starts_with("yyyy")) {
      texto += fmt::format("{:04}", cuando.year);
      i += 4;
      trasHora = false;
    } else if (resto.starts_with("yy")) {
      dos(cuando.year % 100);
      trasHora = false;
    } else if (resto.starts_with("dd")) {
      dos(cuando.day);
      trasHora = false;
    } else if (resto.starts_with("mm")) {
      dos(trasHora ? cuando.minute : cuando.month);
      trasHora = false;
    } else if (resto.starts_with("hh")) {
      dos(cuando.hour);
      trasHora = true;
    } else if (resto.starts_with("nn")) {
      dos(cuando.minute);
      trasHora = false;
    } else if (resto.starts_with("ss")) {
      dos(cuando.second);
      trasHora = false;
    } else {
      texto.push_back(patron[i++]);
    }
  }
  return texto;
}

}  // namespace tramvel
