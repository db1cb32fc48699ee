#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tramvel {

// Appends one record to `out` as RFC 4180 has it: fields separated by commas,
// a field quoted when it is an empty text or holds a comma, a quote, a
// carriage return or a line feed (its quotes doubled), the record closed by
// CR LF. A Null field (nullopt) is left empty and unquoted, so that it never
// reads back as an empty text.
void AppendCsvRecord(std::string& out, const std::vector<std::optional<std::string>>& fields);

}  // namespace tramvel
