#include "common/components/InfoEquipo.h"

#include "common/VbValues.h"
#include "common/components/Utilidades.h"
#include "platform/Platform.h"

namespace tramvel {

std::string InfoEquipo::NombreMaquina() const { return platform_.ComputerName(); }

std::string InfoEquipo::UsuarioEquipo() const { return platform_.UserName(); }

std::string InfoEquipo::CarpetaTemporal() const {
  for (const char* name : {"TEMP", "TMP", "TMPDIR"}) {
    const auto value = platform_.GetEnv(name);
    // A value of blanks names no folder, as an empty one.
    if (value && !RecortarBlancos(*value).empty()) return Utilidades::RutaConBarra(RecortarBlancos(*value));
  }
  // Under cron nothing names one; a shared folder such as /tmp would let
  // another user plant a file or link at a name this system will open.
  return Utilidades::RutaConBarra(platform_.PrivateTempFolder());
}

}  // namespace tramvel
