#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tramvel::interfaces {

// One field of a master-data file. A database Null is nullopt, written as an
// empty unquoted field; an empty text is written as "", so the two never
// meet on the way through a file.
using CsvField = std::optional<std::string>;

// One record and the line of the file it starts on (the first line is 1).
struct CsvRecord {
  int line = 0;
  std::vector<CsvField> fields;
};

}  // namespace tramvel::interfaces
