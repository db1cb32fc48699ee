#include "DeliveryTable.h"

#include <memory>
#include <span>

#include "CsvReader.h"
#include "CsvValues.h"
#include "DataFailure.h"
#include "Report.h"
#include "TableColumns.h"
#include "platform/Platform.h"
#include "platform/ado/Connection.h"

namespace tramvel::interfaces {
namespace {

std::string ReadWholeText(Platform& platform, const std::string& path) {
  const std::unique_ptr<File> file = platform.OpenFile(path, OpenMode::kRead);
  std::string text(file->Length(), '\0');
  std::size_t filled = 0;
  while (filled < text.size()) {
    const std::size_t read = file->Read(std::as_writable_bytes(std::span(text.data() + filled, text.size() - filled)));
    if (read == 0) break;
    filled += read;
  }
  text.resize(filled);
  return text;
}

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

DeliveryTable ReadDeliveryTable(ado::Connection& connection, Platform& platform, const DeliveryFile& file,
                                Place& place) {
  const std::vector<TableColumn> tableColumns = ColumnsOfTable(connection, file.table);
  const std::string content = ReadWholeText(platform, file.path);
  CsvReader reader(content);
  CsvRecord record;
  if (!NextRecord(reader, record, place)) {
    RaiseDataFailure("el archivo está vacío: le falta la fila de nombres de columna");
  }
  const std::vector<const TableColumn*> columns = HeaderColumns(record, tableColumns, file.table, place);

  DeliveryTable table{file, {}, {}};
  for (const TableColumn* column : columns) table.columns.push_back(column->name);
  ado::Variant value;
  while (NextRecord(reader, record, place)) {
    if (record.fields.size() != columns.size()) {
      RaiseDataFailure("la fila tiene " + std::to_string(record.fields.size()) + " campos y la de nombres " +
                       std::to_string(columns.size()));
    }
    RowLiterals row{record.line, "("};
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (!FromCsvField(record.fields[i], columns[i]->kind, value)) {
        place.column = columns[i]->name;
        RaiseDataFailure("\"" + *record.fields[i] + "\" no es " + CsvFormOfKind(columns[i]->kind));
      }
      if (i > 0) row.values += ", ";
      row.values += ValueLiteral(connection, value);
    }
    row.values += ")";
    table.rows.push_back(std::move(row));
  }
  place.line = 0;
  return table;
}

}  // namespace tramvel::interfaces
