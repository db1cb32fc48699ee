// syd: the logistics class Dll_SYD from the command line, for the operations
// that have no caller in tramvel itself.
//
//   syd [CONNECTION FIELDS] SUBCOMMAND [ARGUMENTS]

#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "logistics/Dll_SYD.h"
#include "platform/RealPlatform.h"
#include "startup/LaunchParameters.h"

namespace {

using tramvel::Dll_SYD;

constexpr const char* kAyuda = R"(Usage: syd [CONNECTION FIELDS] SUBCOMMAND [ARGUMENTS]

Runs one operation of the logistics class Dll_SYD.

Connection fields, as tramvel takes them (needed by database subcommands):
  "@Server=HOST;@DbName=NAME;@Usuario=USER;@Password=PASSWORD;"

Subcommands:
  file-exists PATH                         True when PATH can be opened for reading
  copy-file SRC DST                        copies SRC over DST
  guardar-testigo PATH [SUFIJO] [DESTINO]  files a reception witness of PATH under
                                           DESTINO\TESTIGO\yyyy-mm\dd-hhmm<SUFIJO>\
                                           and prints what it wrote back

Paths are the system's Windows paths (C:\RECIBIR\A.TXT); TRAMVEL_DRIVE_C names
the folder that stands for drive C:. Messages for the operator go to standard
error. Exit status: 0 on success, 1 on failure, 2 on a bad command line.
)";

struct Invocacion {
  Dll_SYD& dll;
  std::vector<std::string> args;
};

int Fallo(const std::string& texto) {
  std::cerr << "syd: " << texto << "\n";
  return 2;
}

int FileExists(Invocacion& in) {
  if (in.args.size() != 1) return Fallo("file-exists takes one PATH");
  const bool existe = in.dll.FileExists(in.args[0]);
  std::cout << (existe ? "True" : "False") << "\n";
  return existe ? 0 : 1;
}

int CopyFile(Invocacion& in) {
  if (in.args.size() != 2) return Fallo("copy-file takes SRC and DST");
  const bool copiado = in.dll.CopyFile(in.args[0], in.args[1]);
  std::cout << (copiado ? "True" : "False") << "\n";
  return copiado ? 0 : 1;
}

int GuardarTestigo(Invocacion& in) {
  if (in.args.empty() || in.args.size() > 3) return Fallo("guardar-testigo takes PATH [SUFIJO] [DESTINO]");
  std::string ruta = in.args[0];
  std::string subFijo = in.args.size() > 1 ? in.args[1] : "";
  std::string destino = in.args.size() > 2 ? in.args[2] : "";
  in.dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
  std::cout << "RutaArchivo=" << ruta << "\nSubFijo=" << subFijo << "\nRutaDestino=" << destino << "\n";
  return ruta == "ERROR" ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::cout << kAyuda;
    return args.empty() ? 2 : 0;
  }
  std::string conexion;
  if (!args.empty() && args[0].rfind('@', 0) == 0) {
    conexion = args[0];
    args.erase(args.begin());
  }
  if (args.empty()) return Fallo("no subcommand; see syd --help");

  auto platform = tramvel::NewRealPlatform({conexion, false, std::nullopt});
  Dll_SYD dll(*platform);
  dll.gServidor = tramvel::LeerParametro(conexion, "@Server");
  dll.gDBName = tramvel::LeerParametro(conexion, "@DbName");
  dll.gUsuario = tramvel::LeerParametro(conexion, "@Usuario");
  dll.gUserPassWord = tramvel::LeerParametro(conexion, "@Password");

  const std::map<std::string, int (*)(Invocacion&)> subcomandos = {
      {"file-exists", FileExists},
      {"copy-file", CopyFile},
      {"guardar-testigo", GuardarTestigo},
  };
  const auto it = subcomandos.find(args[0]);
  if (it == subcomandos.end()) return Fallo("unknown subcommand '" + args[0] + "'; see syd --help");
  Invocacion in{dll, std::vector<std::string>(args.begin() + 1, args.end())};
  return it->second(in);
}
