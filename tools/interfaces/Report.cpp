#include "Report.h"

#include "platform/Platform.h"

namespace tramvel::interfaces {

std::string Place::Text() const {
  std::string text = where;
  if (line > 0) text += (text.empty() ? "" : ", ") + std::string("línea ") + std::to_string(line);
  if (!column.empty()) text += (text.empty() ? "" : ", ") + std::string("columna ") + column;
  return text;
}

void Report::Line(const std::string& line) { platform_.Write(OutputStream::kStandardOutput, line + "\n"); }

void Report::Note(const std::string& line) {
  platform_.Write(OutputStream::kStandardError, program_ + ": " + line + "\n");
}

void Report::Problem(ExitCode code, const std::string& line) {
  Note(line);
  if (result_ == ExitCode::kOk) result_ = code;
}

StepRunner::Mode Report::GivingUp() {
  return [this](const Failure& failure) {
    const std::string where = place_.Text();
    Problem(ExitCodeFor(failure), (where.empty() ? "" : where + ": ") + failure.Description());
    return OnFailure::kGiveUp;
  };
}

}  // namespace tramvel::interfaces
