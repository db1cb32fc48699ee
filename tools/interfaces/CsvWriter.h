#pragma once

#include <string>
#include <vector>

#include "CsvField.h"

namespace tramvel::interfaces {

// Appends one record to `out` as RFC 4180 has it: fields separated by commas,
// a field quoted when it is an empty text or holds a comma, a quote, a
// carriage return or a line feed (its quotes doubled), the record closed by
// CR LF. A Null field is left empty and unquoted.
void AppendCsvRecord(std::string& out, const std::vector<CsvField>& fields);

}  // namespace tramvel::interfaces
