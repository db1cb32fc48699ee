// INTERFACERECEPMAESTROS.EXE: the import program the download job starts.
#include "HelpTexts.h"
#include "InterfaceProgram.h"
#include "MasterImport.h"

int main(int argc, char** argv) {
  using namespace tramvel::interfaces;
  return RunInterfaceProgram(argc, argv, {"INTERFACERECEPMAESTROS", ImportHelpText(), LoadMasterDelivery});
}
