#include "common/components/InfoEquipo.h"

#include "common/components/Utilidades.h"
#include "platform/Platform.h"

namespace tramvel {

std::string InfoEquipo::NombreMaquina() const { return platform_.ComputerName(); }

std::string InfoEquipo::UsuarioEquipo() const { return platform_.UserName(); }

std::string InfoEquipo::CarpetaTemporal() const {
  for (const char* name : {"TEMP", "TMP", "TMPDIR"}) {
    const auto value = platform_.GetEnv(name);
    if (value && !value->empty()) return Utilidades::RutaConBarra(*value);
  }
  return Utilidades::RutaConBarra("/tmp");
}

}  // namespace tramvel
