#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/Operator.h"

namespace tramvel::testing {

// One message box as the code under test showed it, and how it was answered.
struct Box {
  std::string text;
  int style = 0;
  std::string title;  // as the caller gave it: empty for "the program's name"
  int answer = 0;
};

// The operator of a test: answers come from a queue, and every box, wait
// window event, pointer change and pump is recorded for the test to read.
class ScriptedOperator final : public Operator {
 public:
  // ----- what the test sets -----

  // Answers for the next boxes, in order; a box with none queued gets its
  // unattended answer.
  void QueueAnswers(std::initializer_list<int> answers) { answers_.insert(answers_.end(), answers); }

  // Runs at every PumpEvents (a click during a wait, say).
  void OnPump(std::function<void()> action) { onPump_ = std::move(action); }

  // The operator presses the wait window's stop button at its `nth` update.
  void StopWaitAt(int nth) { stopAt_ = nth; }

  // Whether a document opened for the operator would be read (yes unless
  // set otherwise, as with someone at the screen).
  void SetReadsDocuments(bool reads) { readsDocuments_ = reads; }

  // ----- what the test reads -----
  struct WaitEvent {
    std::string what;  // "show", "update" or "close"
    std::string text;  // the title, or the three lines joined by "|"
  };
  const std::vector<WaitEvent>& WaitEvents() const { return waitEvents_; }
  const std::vector<Box>& Boxes() const { return boxes_; }
  int Pumps() const { return pumps_; }
  MousePointer Pointer() const { return pointer_; }

  // ----- the operator -----
  int MessageBox(const std::string& text, int style, const std::string& title) override;
  void SetMousePointer(MousePointer pointer) override { pointer_ = pointer; }
  void PumpEvents() override;
  void ShowWaitWindow(const std::string& title) override;
  bool UpdateWaitWindow(const std::string& line1, const std::string& line2, const std::string& line3) override;
  void CloseWaitWindow() override { waitEvents_.push_back({"close", ""}); }
  bool ReadsDocuments() const override { return readsDocuments_; }

 private:
  std::deque<int> answers_;
  std::vector<Box> boxes_;
  std::function<void()> onPump_;
  int pumps_ = 0;
  std::vector<WaitEvent> waitEvents_;
  int stopAt_ = 0;
  int updates_ = 0;
  bool stopRequested_ = false;
  bool readsDocuments_ = true;
  MousePointer pointer_ = MousePointer::kDefault;
};

}  // namespace tramvel::testing
