#include "InterfaceProgram.h"

#include <memory>

#include "InterfaceParameters.h"
#include "MasterTables.h"
#include "Report.h"
#include "common/components/SesionDatos.h"
#include "platform/RealPlatform.h"

namespace tramvel::interfaces {
namespace {

int Exit(ExitCode code) { return static_cast<int>(code); }

}  // namespace

int RunInterfaceProgram(int argc, char** argv, const InterfaceProgram& program) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    const std::unique_ptr<Platform> platform = NewRealPlatform({});
    platform->Write(OutputStream::kStandardOutput, program.help);
    return 0;
  }
  std::string text;
  for (int i = 1; i < argc; ++i) text += (i > 1 ? " " : "") + std::string(argv[i]);

  RealPlatformOptions options;
  options.commandLine = text;
  const std::unique_ptr<Platform> platform = NewRealPlatform(std::move(options));
  Report report(*platform, program.name);
  if (argc < 2) {
    report.Problem(ExitCode::kBadParameters, "falta el texto de parámetros (--help lo explica)");
    return Exit(report.Result());
  }

  const InterfaceParameters parameters = ReadInterfaceParameters(text);
  if (parameters.baseDeDatos.empty()) {
    report.Problem(ExitCode::kBadParameters, "el texto de parámetros no nombra la base de datos (@dbname=...;)");
    return Exit(report.Result());
  }
  const MasterTables tables = ReadMasterTables(*platform);
  if (!tables.error.empty()) {
    report.Problem(ExitCode::kBadParameters, tables.error);
    return Exit(report.Result());
  }

  SesionDatos sesion(*platform);
  sesion.Servidor(parameters.servidor);
  sesion.BaseDeDatos(parameters.baseDeDatos);
  sesion.Usuario(parameters.usuario);
  sesion.Password(parameters.password);
  // Told, the session writes why it cannot connect to standard error, as a
  // message box of a run without an operator.
  sesion.Conectar(false, 3, "", true, true);
  if (!sesion.Conectado()) {
    report.Problem(ExitCode::kConnection, "no se puede abrir la base de datos " + parameters.baseDeDatos +
                                              " del servidor " + parameters.servidor);
    return Exit(report.Result());
  }

  InterfaceJob job{*platform, sesion, tables.tables, report};
  program.work(job);
  return Exit(report.Result());
}

}  // namespace tramvel::interfaces
