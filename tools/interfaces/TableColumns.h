#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/ColumnType.h"

namespace tramvel::ado {
class Connection;
}

namespace tramvel::interfaces {

struct TableColumn {
  std::string name;  // as the table declares it
  ado::ColumnKind kind;
};

// The columns of `table`, in order, read from an empty result of it.
std::vector<TableColumn> ColumnsOfTable(ado::Connection& connection, const std::string& table);

// The column named `name` in any case; nullptr when the table has none.
const TableColumn* FindColumn(const std::vector<TableColumn>& columns, std::string_view name);

}  // namespace tramvel::interfaces
