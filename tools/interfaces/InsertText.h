#pragma once

#include <span>
#include <string>
#include <vector>

#include "ado/Variant.h"

namespace tramvel::ado {
class Connection;
}

namespace tramvel::interfaces {

// One row of a delivery file, its values already SQL literals: "(1, 'a', NULL)".
struct RowLiterals {
  int line = 0;  // where the row stands in its file
  std::string values;
};

// A value as an SQL literal of the connection: the connection's own
// quoting, except that a double keeps every digit it needs to come back the
// same.
std::string ValueLiteral(const ado::Connection& connection, const ado::Variant& value);

// "INSERT INTO T ([A], [B]) VALUES (...), (...)": the rows in one statement,
// which costs the engine one pass of parsing for all of them.
std::string InsertText(const std::string& table, const std::vector<std::string>& columns,
                       std::span<const RowLiterals> rows);

}  // namespace tramvel::interfaces
