// INTERFACEENVIOMAESTROS.EXE: the export program the upload job starts.
#include "HelpTexts.h"
#include "InterfaceProgram.h"
#include "MasterExport.h"

int main(int argc, char** argv) {
  using namespace tramvel::interfaces;
  return RunInterfaceProgram(argc, argv, {"INTERFACEENVIOMAESTROS", ExportHelpText(), ExportMasterTables});
}
