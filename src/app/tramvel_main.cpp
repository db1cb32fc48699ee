// tramvel: moves the master data of the business database between this site
// and the central FTP server, by an operator's click or a scheduled task.

#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "platform/RealPlatform.h"
#include "platform/qt/QtOperator.h"
#include "platform/qt/UiSession.h"
#include "startup/ProgramState.h"
#include "sync/Form1.h"

namespace {

constexpr const char* kAyuda = R"(Usage: tramvel [LAUNCH PARAMETERS]

Moves the master data of the business database between this site and the
central FTP server. Without a job in its parameters it opens its window and
waits for the operator; with one it runs that job at once and ends.

Launch parameters are fields "@Key=value;" in any order, keys in any case:
  @ParametroAdicional=SUBIR;      upload: export the master data into
                                  C:\ENVIAR\ and send it to the server
  @ParametroAdicional=DESCARGAR;  download: fetch into C:\RECIBIR\, import,
                                  file witness copies, delete on the server
  @Server=HOST[:PORT];  @DbName=NAME;  @Usuario=USER;  @Password=PASSWORD;
  @UsuarioLogeado=USER;  @Menu=MENU;  @Caja=NUMBER;

Every start first connects to its database (@Server, @DbName); without it
nothing runs. On the embedded engine make the database once with
  syd "@Server=HOST;@DbName=NAME;@Usuario=USER;@Password=PASSWORD;" crear-base COMPLETO.SQL
A start then writes consultas.dwk beside the program if it is missing, loads
the settings and adds its row to Control_Acceso.

Configuration:
  RO000vu.INI in the program folder (or the file TRAMVEL_INI names):
    [FTP] Servidor=HOST[:PORT]   the web server; required for a job
          Usuario=..., Password=...   default: the fixed FTP account
  TRAMVEL_DRIVE_C   the folder that stands for drive C: (default
                    ~/.local/share/tramvel/C)
  The outside programs zariz.exe, INTERFACEENVIOMAESTROS.EXE and
  INTERFACERECEPMAESTROS.EXE lie in the program folder.

Exit status:
  0  the job ended on "Finalizado" and every outside program exited 0
     (interactive mode: the window was closed)
  1  the job failed or was abandoned
  2  no job could be run: the database could not be opened (the reason is
     told, on standard error when there is no display), or an interactive
     start found no display
)";

std::string LineaDeComando(int argc, char** argv) {
  std::string linea;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) linea += ' ';
    linea += argv[i];
  }
  return linea;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << kAyuda;
    return 0;
  }
  const std::string linea = LineaDeComando(argc, argv);
  tramvel::UiSession ui(argc, argv);
  // The one place that asks whether anybody is there: without a display the
  // run is unattended from start to end.
  tramvel::RealPlatformOptions opciones{linea, std::nullopt, nullptr};
  if (ui.HasDisplay()) {
    opciones.newOperator = [](tramvel::Platform& p) { return std::make_unique<tramvel::QtOperator>(p); };
  }
  auto platform = tramvel::NewRealPlatform(std::move(opciones));
  tramvel::ProgramState programa(*platform);
  tramvel::Form1 ventana(programa);
  if (const auto automatico = ventana.Form_Load()) return *automatico;
  if (!ui.HasDisplay()) {
    std::cerr << "tramvel: no display for the window; name a job with @ParametroAdicional=SUBIR; or DESCARGAR;\n";
    return 2;
  }
  ventana.show();
  return ui.Exec() == 0 ? 0 : 1;
}
