#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tramvel {
class Platform;
}

namespace tramvel::interfaces {

// The master tables that travel: the configuration file's [Maestros] key
// Tablas, names separated by commas, or by default MA_ARTICULOS,
// MA_CLIENTES, MA_DESTINATARIOS, TA_DISTLOCALIDADES, TA_TARIFAS_ARTICULOS.
struct MasterTables {
  std::vector<std::string> tables;  // as configured, each once
  std::string error;                // why the list cannot be used; "" when it can
};

// The list read from its text. A name is letters, digits and "_", not
// starting with a digit: it is put into SQL and into file names as it is.
MasterTables ParseMasterTables(std::string_view list);

MasterTables ReadMasterTables(Platform& platform);

// The file a table travels in: "<TABLE>.csv".
std::string FileOfTable(const std::string& table);

// The master table a file loads into, for a name "<TABLE>.csv" in any case;
// nullopt for any other name.
std::optional<std::string> TableOfFile(std::string_view fileName, const std::vector<std::string>& tables);

}  // namespace tramvel::interfaces
