#include "platform/UnattendedOperator.h"

#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"

namespace tramvel {

int UnattendedOperator::MessageBox(const std::string& text, int style, const std::string& title) {
  const std::string shownTitle = title.empty() ? platform_.ExecutableName() : title;
  platform_.Write(OutputStream::kStandardError, shownTitle + ": " + text + "\n");
  return UnattendedAnswer(style);
}

void UnattendedOperator::ShowWaitWindow(const std::string& /*title*/) {
  waitShown_ = true;
  lastWaitLine_ = {};
}

bool UnattendedOperator::UpdateWaitWindow(const std::string& line1, const std::string& line2,
                                          const std::string& line3) {
  if (!waitShown_) return false;
  // Progress of a scheduled run, without flooding its log.
  const auto now = std::chrono::steady_clock::now();
  if (now - lastWaitLine_ >= std::chrono::seconds(1)) {
    lastWaitLine_ = now;
    std::string line = line1;
    for (const std::string* more : {&line2, &line3}) {
      if (!more->empty()) line += " | " + *more;
    }
    platform_.Write(OutputStream::kStandardError, line + "\n");
  }
  return false;
}

}  // namespace tramvel
