#include "TableColumns.h"

#include <memory>

#include "platform/TextCase.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"

namespace tramvel::interfaces {

std::vector<TableColumn> ColumnsOfTable(ado::Connection& connection, const std::string& table) {
  ado::Recordset empty;
  empty.Open("SELECT * FROM " + table + " WHERE 1 = 0", connection, ado::adOpenForwardOnly, ado::adLockReadOnly);
  std::vector<TableColumn> columns;
  for (ado::Field& field : empty.Fields()) {
    columns.push_back({field.Name(), field.Kind(), field.DefinedSize(), field.Precision(), field.NumericScale()});
  }
  return columns;
}

const TableColumn* FindColumn(const std::vector<TableColumn>& columns, std::string_view name) {
  for (const TableColumn& column : columns) {
    if (EqualsIgnoreCase(column.name, name)) return &column;
  }
  return nullptr;
}

}  // namespace tramvel::interfaces
