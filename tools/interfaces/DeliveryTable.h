#pragma once

#include <string>
#include <vector>

#include "DeliveryFiles.h"
#include "InsertText.h"

namespace tramvel {
class Platform;
namespace ado {
class Connection;
}
}  // namespace tramvel

namespace tramvel::interfaces {

struct Place;

// A delivery file read and checked against its table, ready to load.
struct DeliveryTable {
  DeliveryFile file;
  std::vector<std::string> columns;  // the table's names of the file's columns, in the file's order
  std::vector<RowLiterals> rows;
};

// Reads a delivery file whole. Its first record names columns of the table
// (in any case and order; columns it leaves out get their defaults); every
// other record is a row with one field per column, each of its column's
// form. A file that is empty, unreadable as CSV, names an unknown or
// repeated column or holds a field that does not fit raises 13, with `place`
// on the line and column of the fault.
DeliveryTable ReadDeliveryTable(ado::Connection& connection, Platform& platform, const DeliveryFile& file,
                                Place& place);

}  // namespace tramvel::interfaces
