#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ado/ColumnType.h"

namespace tramvel::ado {
class Connection;
}

namespace tramvel::interfaces {

struct TableColumn {
  std::string name;  // as the table declares it
  ado::ColumnKind kind;
  int32_t definedSize = 0;  // of a text: the characters it holds
  int32_t precision = 0;    // of an exact number: digits in all
  int32_t scale = 0;        // and after the point
};

// The columns of `table`, in order, read from an empty result of it.
std::vector<TableColumn> ColumnsOfTable(ado::Connection& connection, const std::string& table);

// The column named `name` in any case; nullptr when the table has none.
const TableColumn* FindColumn(const std::vector<TableColumn>& columns, std::string_view name);

}  // namespace tramvel::interfaces
