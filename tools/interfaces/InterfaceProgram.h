#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tramvel {
class Platform;
class SesionDatos;
}  // namespace tramvel

namespace tramvel::interfaces {

class Report;

// What an interface program works with once it is connected.
struct InterfaceJob {
  Platform& platform;
  SesionDatos& sesion;
  const std::vector<std::string>& tables;  // the master tables
  Report& report;
};

struct InterfaceProgram {
  std::string name;  // as messages name it: "INTERFACEENVIOMAESTROS"
  std::string help;  // what --help prints
  std::function<void(InterfaceJob&)> work;
};

// The main() of an interface program: --help, the parameter text (the one
// argument; typed at a shell its blanks split it, and joining the pieces
// with blanks restores it), the master tables, the connection through
// SesionDatos, then the work. Nothing is ever asked: a run without an
// operator, @ParametroAdicional=AUTO or not, is the only kind there is.
// Returns the exit code.
int RunInterfaceProgram(int argc, char** argv, const InterfaceProgram& program);

}  // namespace tramvel::interfaces
