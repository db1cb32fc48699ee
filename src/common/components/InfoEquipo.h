#pragma once

#include <string>

namespace tramvel {

class Platform;

// Facts about the workstation.
class InfoEquipo {
 public:
  explicit InfoEquipo(Platform& platform) : platform_(platform) {}

  std::string NombreMaquina() const;
  std::string UsuarioEquipo() const;
  // A folder for temporary files, ending in a separator: TEMP, else TMP,
  // else TMPDIR (blanks around a value dropped, a value of blanks skipped),
  // else the user's own (Platform::PrivateTempFolder).
  std::string CarpetaTemporal() const;

 private:
  Platform& platform_;
};

}  // namespace tramvel
