#include "MasterTables.h"

#include "common/ConfigFile.h"
#include "common/components/ArchivoIni.h"
#include "platform/TextCase.h"
#include "startup/LaunchParameters.h"

namespace tramvel::interfaces {
namespace {

constexpr std::string_view kDefaultTables =
    "MA_ARTICULOS,MA_CLIENTES,MA_DESTINATARIOS,TA_DISTLOCALIDADES,TA_TARIFAS_ARTICULOS";
constexpr std::string_view kExtension = ".csv";

bool IsPlainName(std::string_view name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (char c : name) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && !(c >= '0' && c <= '9') && c != '_') return false;
  }
  return true;
}

}  // namespace

MasterTables ParseMasterTables(std::string_view list) {
  MasterTables result;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = list.find(',', start);
    if (comma == std::string_view::npos) comma = list.size();
    const std::string name = RecortarBlancos(list.substr(start, comma - start));
    start = comma + 1;
    if (name.empty()) continue;
    if (!IsPlainName(name)) {
      result.error = "[Maestros] Tablas: \"" + name + "\" no es un nombre de tabla (letras, dígitos y _)";
      result.tables.clear();
      return result;
    }
    bool known = false;
    for (const std::string& table : result.tables) known = known || EqualsIgnoreCase(table, name);
    if (!known) result.tables.push_back(name);
  }
  if (result.tables.empty()) result.error = "[Maestros] Tablas no nombra ninguna tabla";
  return result;
}

MasterTables ReadMasterTables(Platform& platform) {
  const ArchivoIni ini(platform);
  return ParseMasterTables(ini.LeerValor(RutaArchivoIni(platform), "Maestros", "Tablas", std::string(kDefaultTables)));
}

std::string FileOfTable(const std::string& table) { return table + std::string(kExtension); }

std::optional<std::string> TableOfFile(std::string_view fileName, const std::vector<std::string>& tables) {
  if (fileName.size() <= kExtension.size()) return std::nullopt;
  const std::string_view extension = fileName.substr(fileName.size() - kExtension.size());
  if (!EqualsIgnoreCase(extension, kExtension)) return std::nullopt;
  const std::string_view stem = fileName.substr(0, fileName.size() - kExtension.size());
  for (const std::string& table : tables) {
    if (EqualsIgnoreCase(stem, table)) return table;
  }
  return std::nullopt;
}

}  // namespace tramvel::interfaces
