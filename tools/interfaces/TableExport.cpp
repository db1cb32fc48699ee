#include "TableExport.h"

#include <memory>
#include <span>
#include <vector>

#include "CsvValues.h"
#include "CsvWriter.h"
#include "DataFailure.h"
#include "platform/Platform.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"

namespace tramvel::interfaces {
namespace {

constexpr std::size_t kWriteChunk = 1 << 20;

void WriteText(File& file, std::string& buffer) {
  file.Write(std::as_bytes(std::span(buffer.data(), buffer.size())));
  buffer.clear();
}

[[noreturn]] void RaiseUnfit(int64_t row, const ado::Field& field) {
  std::string shown;
  if (field.Value().Type() == ado::VariantType::kText) shown = " \"" + field.Value().ToText() + "\"";
  RaiseDataFailure("fila " + std::to_string(row) + ", columna " + field.Name() + ": el valor" + shown + " no es " +
                   CsvFormOfKind(field.Kind()) + ", y así no puede viajar");
}

}  // namespace

int64_t ExportTable(ado::Connection& connection, Platform& platform, const std::string& table,
                    const std::string& path) {
  ado::Recordset rows;
  rows.Open("SELECT * FROM " + table, connection, ado::adOpenForwardOnly, ado::adLockReadOnly);
  ado::FieldCollection& fields = rows.Fields();

  std::vector<CsvField> record;
  for (ado::Field& field : fields) record.emplace_back(field.Name());
  std::string buffer;
  AppendCsvRecord(buffer, record);

  const std::unique_ptr<File> file = platform.OpenFile(path, OpenMode::kWrite);
  int64_t count = 0;
  for (; !rows.Eof(); rows.MoveNext()) {
    ++count;
    record.assign(fields.Count(), std::nullopt);
    for (std::size_t i = 0; i < fields.Count(); ++i) {
      const ado::Field& field = fields[i];
      if (!ToCsvField(field.Value(), field.Kind(), record[i])) RaiseUnfit(count, field);
    }
    AppendCsvRecord(buffer, record);
    if (buffer.size() >= kWriteChunk) WriteText(*file, buffer);
  }
  WriteText(*file, buffer);
  file->Flush(true);
  return count;
}

}  // namespace tramvel::interfaces
