#include "ScriptedOperator.h"

#include "platform/MessageBoxStyle.h"

namespace tramvel::testing {

int ScriptedOperator::MessageBox(const std::string& text, int style, const std::string& title) {
  int answer = UnattendedAnswer(style);
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  boxes_.push_back(Box{text, style, title, answer});
  return answer;
}

void ScriptedOperator::PumpEvents() {
  ++pumps_;
  if (onPump_) onPump_();
}

void ScriptedOperator::ShowWaitWindow(const std::string& title) {
  waitEvents_.push_back({"show", title});
  stopRequested_ = false;
}

bool ScriptedOperator::UpdateWaitWindow(const std::string& line1, const std::string& line2, const std::string& line3) {
  waitEvents_.push_back({"update", line1 + "|" + line2 + "|" + line3});
  if (++updates_ == stopAt_) stopRequested_ = true;
  return stopRequested_;
}

}  // namespace tramvel::testing
