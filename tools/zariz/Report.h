#pragma once

#include <ostream>
#include <string>

#include "ExitCode.h"

namespace tramvel::zariz {

// What a run tells: one line per file on standard output, problems on
// standard error, and the exit code, which is that of the first problem.
class Report {
 public:
  Report(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  void File(const std::string& line);
  void Note(const std::string& line);
  void Problem(ExitCode code, const std::string& line);
  ExitCode Result() const { return result_; }

 private:
  std::ostream& out_;
  std::ostream& err_;
  ExitCode result_ = ExitCode::kOk;
};

}  // namespace tramvel::zariz
