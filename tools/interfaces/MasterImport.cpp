#include "MasterImport.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "DataFailure.h"
#include "DeliveryFiles.h"
#include "DeliveryTable.h"
#include "InsertText.h"
#include "InterfaceProgram.h"
#include "Report.h"
#include "common/StepRunner.h"
#include "common/components/SesionDatos.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

namespace tramvel::interfaces {
namespace {

constexpr const char* kInbox = "C:\\RECIBIR\\";
// Rows per INSERT: well under SQL Server's limit of 1000 rows to a VALUES list.
constexpr std::size_t kRowsPerInsert = 200;

struct Batch {
  const DeliveryTable* table = nullptr;
  std::size_t first = 0;  // rows [first, last) of the table
  std::size_t last = 0;
};

int64_t CountRows(ado::Connection& connection, const std::string& table) {
  const std::unique_ptr<ado::Recordset> count = connection.Execute("SELECT COUNT(*) AS N FROM " + table);
  return count->Fields(0).Value().ToInteger();
}

// Runs the rows of `table` into it in batches; `running` names the batch
// under way, for a failure's sake.
void InsertRows(ado::Connection& connection, const DeliveryTable& table, StepRunner& pasos,
                std::optional<Batch>& running) {
  const std::span<const RowLiterals> rows(table.rows);
  for (std::size_t first = 0; first < rows.size(); first += kRowsPerInsert) {
    const std::size_t last = std::min(rows.size(), first + kRowsPerInsert);
    running = Batch{&table, first, last};
    pasos([&] { connection.Execute(InsertText(table.file.table, table.columns, rows.subspan(first, last - first))); });
  }
  running.reset();
}

// A batch the database refused says only that one of its rows is wrong.
// Run again inside a transaction of its own, rolled back whatever happens,
// one row at a time, it shows which: the earlier rows of its table first
// (they went in before), then its own, up to the one that fails.
void NameRefusedRow(ado::Connection& connection, const Batch& refused, Report& report) {
  const DeliveryTable& table = *refused.table;
  const std::span<const RowLiterals> rows(table.rows);
  std::string refusal;
  int line = 0;
  bool began = false;
  StepRunner pasos([&](const Failure& failure) {
    refusal = failure.Description();
    return OnFailure::kGiveUp;
  });
  pasos.Run([&] {
    pasos([&] {
      connection.Execute("BEGIN TRAN");
      began = true;
    });
    pasos([&] { connection.Execute("DELETE FROM " + table.file.table); });
    for (std::size_t first = 0; first < refused.first; first += kRowsPerInsert) {
      const std::size_t count = std::min(refused.first - first, kRowsPerInsert);
      pasos([&] { connection.Execute(InsertText(table.file.table, table.columns, rows.subspan(first, count))); });
    }
    for (std::size_t i = refused.first; i < refused.last; ++i) {
      line = rows[i].line;
      pasos([&] { connection.Execute(InsertText(table.file.table, table.columns, rows.subspan(i, 1))); });
    }
    line = 0;
  });
  if (began) StepRunner(StepRunner::Ignoring())([&] { connection.Execute("ROLLBACK TRAN"); });
  if (line > 0) report.Note(table.file.path + ", línea " + std::to_string(line) + ": " + refusal);
}

}  // namespace

void LoadMasterDelivery(InterfaceJob& job) {
  Report& report = job.report;
  Place& place = report.Where();
  ado::Connection& connection = job.sesion.Conexion();
  std::vector<DeliveryTable> tables;
  std::optional<Batch> refused;
  bool writing = false;

  StepRunner pasos(report.GivingUp());
  const bool loaded = pasos.Run([&] {
    std::vector<DeliveryFile> files;
    place.At(kInbox);
    pasos([&] { files = FindDeliveryFiles(job.platform, kInbox, job.tables, report); });
    if (files.empty()) return;
    for (const DeliveryFile& file : files) {
      place.At(file.path);
      pasos([&] { tables.push_back(ReadDeliveryTable(connection, job.platform, file, place)); });
    }

    place.At({});
    pasos([&] {
      connection.Execute("BEGIN TRAN");
      writing = true;
    });
    for (const DeliveryTable& table : tables) {
      place.At(table.file.path);
      pasos([&] { connection.Execute("DELETE FROM " + table.file.table); });
      InsertRows(connection, table, pasos, refused);
      pasos([&] {
        const int64_t stored = CountRows(connection, table.file.table);
        if (stored != static_cast<int64_t>(table.rows.size())) {
          RaiseDataFailure("la tabla " + table.file.table + " quedó con " + std::to_string(stored) + " filas de las " +
                           std::to_string(table.rows.size()) + " del archivo");
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
    if (writing) StepRunner(StepRunner::Ignoring())([&] { connection.Execute("ROLLBACK TRAN"); });
    if (refused) NameRefusedRow(connection, *refused, report);
    report.Note("no se cargó nada: la entrega queda entera para la próxima vez");
    return;
  }
  if (tables.empty()) report.Line(std::string("ningún archivo de tablas maestras en ") + kInbox);
  for (const DeliveryTable& table : tables) {
    report.Line(table.file.table + ": " + std::to_string(table.rows.size()) + " filas cargadas desde " +
                table.file.path);
  }
}

}  // namespace tramvel::interfaces
