#include "DeliveryReader.h"

#include <optional>
#include <span>

#include "AmountRange.h"
#include "CsvValues.h"
#include "DataFailure.h"
#include "Report.h"
#include "platform/Platform.h"
#include "ado/Connection.h"

namespace tramvel::interfaces {
namespace {

bool NextRecord(CsvReader& reader, CsvRecord& record, Place& place) {
  const CsvStatus status = reader.Next(record);
  if (status == CsvStatus::kEnd) return false;
  place.line = record.line;
  if (status == CsvStatus::kMalformed) RaiseDataFailure(reader.Problem());
  return true;
}

std::vector<const TableColumn*> HeaderColumns(const CsvRecord& header, const std::vector<TableColumn>& table,
                                              const std::string& tableName, Place& place) {
  std::vector<const TableColumn*> columns;
  for (const CsvField& name : header.fields) {
    if (!name || name->empty()) RaiseDataFailure("la fila de nombres de columna tiene un nombre vacío");
    place.column = *name;
    const TableColumn* column = FindColumn(table, *name);
    if (column == nullptr) RaiseDataFailure("la tabla " + tableName + " no tiene esa columna");
    for (const TableColumn* seen : columns) {
      if (seen == column) RaiseDataFailure("la columna está dos veces en la fila de nombres");
    }
    columns.push_back(column);
  }
  place.column.clear();
  return columns;
}

}  // namespace

DeliveryReader::DeliveryReader(ado::Connection& connection, Platform& platform, const DeliveryFile& file,
                               Place& place)
    : connection_(connection),
      place_(place),
      file_(platform.OpenFile(file.path, OpenMode::kRead)),
      reader_([this](std::span<char> piece) { return file_->Read(std::as_writable_bytes(piece)); }),
      tableColumns_(ColumnsOfTable(connection, file.table)) {
  if (!NextRecord(reader_, record_, place_)) {
    RaiseDataFailure("el archivo está vacío: le falta la fila de nombres de columna");
  }
  columns_ = HeaderColumns(record_, tableColumns_, file.table, place_);
  for (const TableColumn* column : columns_) names_.push_back(column->name);
}

DeliveryReader::~DeliveryReader() = default;

bool DeliveryReader::Next(RowLiterals& row) {
  if (!NextRecord(reader_, record_, place_)) {
    place_.line = 0;
    return false;
  }
  if (record_.fields.size() != columns_.size()) {
    RaiseDataFailure("la fila tiene " + std::to_string(record_.fields.size()) + " campos y la de nombres " +
                     std::to_string(columns_.size()));
  }
  row.line = record_.line;
  row.values = "(";
  ado::Variant value;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const TableColumn& column = *columns_[i];
    const CsvField& field = record_.fields[i];
    if (field) {
      if (const std::optional<std::string> outside = OutsideAmountRange(*field, column)) {
        place_.column = column.name;
        RaiseDataFailure(*outside);
      }
    }
    if (!FromCsvField(field, column.kind, value)) {
      place_.column = column.name;
      RaiseDataFailure("\"" + *field + "\" no es " + CsvFormOfKind(column.kind));
    }
    if (i > 0) row.values += ", ";
    row.values += ValueLiteral(connection_, value);
  }
  row.values += ")";
  return true;
}

}  // namespace tramvel::interfaces
