#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CsvReader.h"
#include "DeliveryFiles.h"
#include "InsertText.h"
#include "TableColumns.h"

namespace tramvel {
class File;
class Platform;
namespace ado {
class Connection;
}
}  // namespace tramvel

namespace tramvel::interfaces {

struct Place;

// A delivery file read row by row and checked against its table, so that a
// delivery of any size is loaded in the memory of a few rows. Its first
// record names columns of the table (in any case and order; columns it
// leaves out get their defaults); every other record is a row with one
// field per column, each of its column's form, an amount within its
// column's range (AmountRange.h). A file that is empty, unreadable as CSV,
// names an unknown or repeated column or holds a field that does not fit
// raises 13, with `place` on the line and column of the fault.
class DeliveryReader {
 public:
  // Opens the file and reads its first record.
  DeliveryReader(ado::Connection& connection, Platform& platform, const DeliveryFile& file, Place& place);
  ~DeliveryReader();

  // The table's names of the file's columns, in the file's order.
  const std::vector<std::string>& Columns() const { return names_; }

  // The next row; false at the end of the file.
  bool Next(RowLiterals& row);

 private:
  ado::Connection& connection_;
  Place& place_;
  std::unique_ptr<File> file_;
  CsvReader reader_;
  CsvRecord record_;
  std::vector<TableColumn> tableColumns_;
  std::vector<const TableColumn*> columns_;
  std::vector<std::string> names_;
};

}  // namespace tramvel::interfaces
