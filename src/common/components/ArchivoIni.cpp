#include "common/components/ArchivoIni.h"

#include <ini.h>

#include <optional>

#include "common/FileText.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"

namespace tramvel {
namespace {

struct Lookup {
  const std::string& section;
  const std::string& key;
  std::optional<std::string> value;
};

int OnEntry(void* user, const char* section, const char* name, const char* value) {
  auto& lookup = *static_cast<Lookup*>(user);
  // The first occurrence wins, as GetPrivateProfileString reads it.
  if (!lookup.value && EqualsIgnoreCase(section, lookup.section) && EqualsIgnoreCase(name, lookup.key)) {
    lookup.value = value;
  }
  return 1;
}

}  // namespace

std::string ArchivoIni::LeerValor(const std::string& archivo, const std::string& seccion, const std::string& clave,
                                  const std::string& defecto) const {
  const std::optional<std::string> text = ReadWholeFile(platform_, archivo);
  if (!text) return defecto;
  Lookup lookup{seccion, clave, std::nullopt};
  ini_parse_string(text->c_str(), OnEntry, &lookup);
  return lookup.value.value_or(defecto);
}

}  // namespace tramvel
