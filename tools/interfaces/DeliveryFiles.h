#pragma once

#include <string>
#include <vector>

namespace tramvel {
class Platform;
}

namespace tramvel::interfaces {

class Report;

// A file of the inbox that loads into a master table.
struct DeliveryFile {
  std::string table;  // as configured
  std::string path;   // the platform's Windows-style path
};

// The files directly in `inbox` that load into master tables, in name
// order; each other file gets a line saying it is skipped. Two files for
// one table (names differing in case only) make the delivery ambiguous:
// 13.
std::vector<DeliveryFile> FindDeliveryFiles(Platform& platform, const std::string& inbox,
                                            const std::vector<std::string>& tables, Report& report);

}  // namespace tramvel::interfaces
