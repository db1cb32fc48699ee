#pragma once

#include <chrono>
#include <string>

#include "platform/Operator.h"

namespace tramvel {

class Platform;

// The operator of a run that nobody watches: a scheduled job, a command-line
// program, a program started without a display. What a box or the wait
// window would show goes to the platform's standard error, which is the
// run's log, and every box answers by itself (see UnattendedAnswer).
class UnattendedOperator final : public Operator {
 public:
  // `platform` gives the program's name and standard error; it must outlive
  // this object.
  explicit UnattendedOperator(Platform& platform) : platform_(platform) {}

  int MessageBox(const std::string& text, int style, const std::string& title) override;
  void SetMousePointer(MousePointer /*pointer*/) override {}
  void PumpEvents() override {}
  void ShowWaitWindow(const std::string& title) override;
  bool UpdateWaitWindow(const std::string& line1, const std::string& line2, const std::string& line3) override;
  void CloseWaitWindow() override { waitShown_ = false; }
  bool ReadsDocuments() const override { return false; }

 private:
  Platform& platform_;
  bool waitShown_ = false;
  std::chrono::steady_clock::time_point lastWaitLine_{};
};

}  // namespace tramvel
