#include "MasterImport.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "DataFailure.h"
#include "DeliveryFiles.h"
#include "DeliveryReader.h"
#include "InsertText.h"
#include "InterfaceProgram.h"
#include "Report.h"
#include "common/StepRunner.h"
#include "common/components/SesionDatos.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"

namespace tramvel::interfaces {
namespace {

constexpr const char* kInbox = "C:\\RECIBIR\\";
// Rows per INSERT: well under SQL Server's limit of 1000 rows to a VALUES list.
constexpr std::size_t kRowsPerInsert = 200;

// A file that passed its check, and how many rows it brings.
struct CheckedFile {
  DeliveryFile file;
  int64_t rows = 0;
};

int64_t CountRows(ado::Connection& connection, const std::string& table) {
  const std::unique_ptr<ado::Recordset> count = connection.Execute("SELECT COUNT(*) AS N FROM " + table);
  return count->Fields(0).Value().ToInteger();
}

// A batch the database refused says only that one of its rows is wrong. Run
// again one row at a time in the same transaction, after the rows that went
// in before it, it shows which; the caller rolls everything back afterwards.
void NameRefusedRow(ado::Connection& connection, const CheckedFile& checked, const std::vector<std::string>& columns,
                    std::span<const RowLiterals> batch, Report& report) {
  std::string refusal;
  int line = 0;
  StepRunner pasos([&](const Failure& failure) {
    refusal = failure.Description();
    return OnFailure::kGiveUp;
  });
  pasos.Run([&] {
    for (std::size_t i = 0; i < batch.size(); ++i) {
      line = batch[i].line;
      pasos([&] { connection.Execute(InsertText(checked.file.table, columns, batch.subspan(i, 1))); });
    }
    line = 0;
  });
  if (line > 0) report.Note(checked.file.path + ", línea " + std::to_string(line) + ": " + refusal);
}

}  // namespace

void LoadMasterDelivery(InterfaceJob& job) {
  Report& report = job.report;
  Place& place = report.Where();
  ado::Connection& connection = job.sesion.Conexion();
  std::vector<CheckedFile> checked;
  // The batch under way, and the file it is from, for naming a refused row.
  std::vector<RowLiterals> batch;
  const CheckedFile* loading = nullptr;
  std::vector<std::string> columns;
  bool inserting = false;
  bool writing = false;

  StepRunner pasos(report.GivingUp());
  const bool loaded = pasos.Run([&] {
    std::vector<DeliveryFile> files;
    place.At(kInbox);
    pasos([&] { files = FindDeliveryFiles(job.platform, kInbox, job.tables, report); });
    if (files.empty()) return;
    // Every file is read through and checked before the first row changes.
    for (const DeliveryFile& file : files) {
      place.At(file.path);
      pasos([&] {
        DeliveryReader reader(connection, job.platform, file, place);
        CheckedFile result{file, 0};
        for (RowLiterals row; reader.Next(row);) ++result.rows;
        checked.push_back(std::move(result));
      });
    }

    place.At({});
    pasos([&] {
      connection.Execute("BEGIN TRAN");
      writing = true;
    });
    for (const CheckedFile& file : checked) {
      place.At(file.file.path);
      pasos([&] { connection.Execute("DELETE FROM " + file.file.table); });
      pasos([&] {
        DeliveryReader reader(connection, job.platform, file.file, place);
        columns = reader.Columns();
        loading = &file;
        for (bool more = true; more;) {
          batch.clear();
          RowLiterals row;
          while (batch.size() < kRowsPerInsert && (more = reader.Next(row))) batch.push_back(std::move(row));
          place.line = 0;
          if (batch.empty()) continue;
          inserting = true;
          connection.Execute(InsertText(file.file.table, columns, batch));
          inserting = false;
        }
      });
      pasos([&] {
        const int64_t stored = CountRows(connection, file.file.table);
        if (stored != file.rows) {
          RaiseDataFailure("la tabla " + file.file.table + " quedó con " + std::to_string(stored) + " filas de las " +
                           std::to_string(file.rows) + " del archivo");
        }
      });
    }
    place.At({});
    pasos([&] {
      connection.Execute("COMMIT TRAN");
      writing = false;
    });
  });

  if (!loaded) {
    if (writing && inserting) NameRefusedRow(connection, *loading, columns, batch, report);
    if (writing) StepRunner(StepRunner::Ignoring())([&] { connection.Execute("ROLLBACK TRAN"); });
    report.Note("no se cargó nada: la entrega queda entera para la próxima vez");
    return;
  }
  if (checked.empty()) report.Line(std::string("ningún archivo de tablas maestras en ") + kInbox);
  for (const CheckedFile& file : checked) {
    report.Line(file.file.table + ": " + std::to_string(file.rows) + " filas cargadas desde " + file.file.path);
  }
}

}  // namespace tramvel::interfaces
