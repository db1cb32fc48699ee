#include "MasterExport.h"

#include <cstdint>
#include <string>
#include <vector>

#include "InterfaceProgram.h"
#include "MasterTables.h"
#include "Report.h"
#include "TableExport.h"
#include "common/StepRunner.h"
#include "common/components/SesionDatos.h"
#include "platform/Platform.h"

namespace tramvel::interfaces {
namespace {

constexpr const char* kOutbox = "C:\\ENVIAR\\";
// Not a master table's name, so that not even a lost one is ever loaded.
constexpr const char* kTemporarySuffix = ".tmp";

struct OutboxFile {
  std::string table;
  std::string path;
  std::string temporary;
  int64_t rows = 0;
  bool named = false;
};

}  // namespace

void ExportMasterTables(InterfaceJob& job) {
  Platform& platform = job.platform;
  Report& report = job.report;
  std::vector<OutboxFile> files;
  for (const std::string& table : job.tables) {
    const std::string path = kOutbox + FileOfTable(table);
    files.push_back({table, path, path + kTemporarySuffix});
  }

  bool reading = false;
  StepRunner pasos(report.GivingUp());
  const bool exported = pasos.Run([&] {
    pasos([&] {
      if (!platform.FolderExists(kOutbox)) platform.CreateFolder(kOutbox);
    });
    pasos([&] {
      job.sesion.Ejecutar("BEGIN TRAN");
      reading = true;
    });
    for (OutboxFile& file : files) {
      report.Where().At(file.table);
      pasos([&] { file.rows = ExportTable(job.sesion.Conexion(), platform, file.table, file.temporary); });
    }
    report.Where().At({});
    pasos([&] {
      job.sesion.Ejecutar("COMMIT TRAN");
      reading = false;
    });
    for (OutboxFile& file : files) {
      report.Where().At(file.path);
      pasos([&] {
        platform.RenameFile(file.temporary, file.path);
        file.named = true;
      });
    }
  });

  if (!exported) {
    StepRunner limpieza(StepRunner::Ignoring());
    for (const OutboxFile& file : files) {
      if (!file.named && platform.FileExists(file.temporary)) limpieza([&] { platform.DeleteFile(file.temporary); });
    }
    if (reading) limpieza([&] { job.sesion.Ejecutar("ROLLBACK TRAN"); });
    return;
  }
  for (const OutboxFile& file : files) {
    report.Line(file.table + ": " + std::to_string(file.rows) + " filas en " + file.path);
  }
}

}  // namespace tramvel::interfaces
