#pragma once

#include <string>
#include <string_view>

#include "ExitCode.h"
#include "common/StepRunner.h"

namespace tramvel {
class Platform;
}

namespace tramvel::interfaces {

// Where a run is working: a file or table, and within it a line and a
// column. The line moves along row by row; the whole is spelled out only
// when a failure there needs naming.
struct Place {
  std::string where;   // a file's path or a table's name; "" for the run as a whole
  int line = 0;        // 0: the whole of `where`
  std::string column;  // "": no column in particular

  void At(std::string file) {
    where = std::move(file);
    line = 0;
    column.clear();
  }
  // "C:\RECIBIR\MA_CLIENTES.csv, línea 7, columna CODIGO"; "" for no place.
  std::string Text() const;
};

// What a run tells: one line per table on standard output, messages on
// standard error after the program's name, and the exit code, which is that
// of the first problem.
class Report {
 public:
  Report(Platform& platform, std::string program) : platform_(platform), program_(std::move(program)) {}

  void Line(const std::string& line);
  void Note(const std::string& line);
  void Problem(ExitCode code, const std::string& line);
  ExitCode Result() const { return result_; }

  Place& Where() { return place_; }

  // The step-runner mode of a run: a failure becomes the run's problem,
  // named after the place it happened in, and the run gives up.
  StepRunner::Mode GivingUp();

 private:
  Platform& platform_;
  std::string program_;
  Place place_;
  ExitCode result_ = ExitCode::kOk;
};

}  // namespace tramvel::interfaces
