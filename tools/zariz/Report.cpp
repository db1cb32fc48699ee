#include "Report.h"

namespace tramvel::zariz {

// Each line is flushed at once: a job that is stopped or killed still leaves
// the account of what was already done.
void Report::File(const std::string& line) { out_ << line << std::endl; }

void Report::Note(const std::string& line) { err_ << "zariz: " << line << std::endl; }

void Report::Problem(ExitCode code, const std::string& line) {
  Note(line);
  if (result_ == ExitCode::kOk) result_ = code;
}

}  // namespace tramvel::zariz
