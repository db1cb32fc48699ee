#pragma once

#include <string>

namespace tramvel {

class Platform;

// Reader of Windows initialization files ("RO000vu.INI"). Sections and keys
// match without regard to case, as on Windows.
class ArchivoIni {
 public:
  explicit ArchivoIni(Platform& platform) : platform_(platform) {}

  // The value of `clave` in `seccion` of `archivo`, trimmed; `defecto` when
  // the file, the section or the key is missing. Never raises.
  std::string LeerValor(const std::string& archivo, const std::string& seccion, const std::string& clave,
                        const std::string& defecto) const;

 private:
  Platform& platform_;
};

}  // namespace tramvel
