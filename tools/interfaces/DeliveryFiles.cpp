#include "DeliveryFiles.h"

#include <algorithm>
#include <map>
#include <optional>

#include "DataFailure.h"
#include "MasterTables.h"
#include "Report.h"
#include "platform/Platform.h"

namespace tramvel::interfaces {

std::vector<DeliveryFile> FindDeliveryFiles(Platform& platform, const std::string& inbox,
                                            const std::vector<std::string>& tables, Report& report) {
  std::vector<std::string> names = platform.ListFolder(inbox, false);
  std::sort(names.begin(), names.end());
  std::vector<DeliveryFile> files;
  std::map<std::string, std::string> nameOfTable;
  for (const std::string& name : names) {
    const std::optional<std::string> table = TableOfFile(name, tables);
    if (!table) {
      report.Line(name + ": omitido, no es una tabla maestra");
      continue;
    }
    const auto [known, added] = nameOfTable.emplace(*table, name);
    if (!added) {
      RaiseDataFailure(known->second + " y " + name + " traen los dos la tabla " + *table + ": no se sabe cuál cargar");
    }
    files.push_back({*table, inbox + name});
  }
  return files;
}

}  // namespace tramvel::interfaces
