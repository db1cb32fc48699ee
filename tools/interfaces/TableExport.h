#pragma once

#include <cstdint>
#include <string>

namespace tramvel {
class Platform;
namespace ado {
class Connection;
}
}  // namespace tramvel

namespace tramvel::interfaces {

// Writes every row of `table` into the file at `path` (the platform's
// Windows-style path), a header of its column names first, in the forms of
// CsvValues.h, and hands the file to the disk before returning the number of
// rows. A value that does not fit its column raises 13, naming row and
// column.
int64_t ExportTable(ado::Connection& connection, Platform& platform, const std::string& table, const std::string& path);

}  // namespace tramvel::interfaces
