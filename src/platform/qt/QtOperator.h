#pragma once

#include <string>

#include "platform/Operator.h"
#include "platform/qt/QtWaitWindow.h"

namespace tramvel {

class Platform;

// The operator at a display, over Qt Widgets. Needs the program's Qt
// application (UiSession) for as long as it lives.
class QtOperator final : public Operator {
 public:
  // `platform` gives the program's name for boxes without a title; it must
  // outlive this object.
  explicit QtOperator(Platform& platform) : platform_(platform) {}

  int MessageBox(const std::string& text, int style, const std::string& title) override;
  void SetMousePointer(MousePointer pointer) override;
  void PumpEvents() override;
  void ShowWaitWindow(const std::string& title) override { waitWindow_.Show(title); }
  bool UpdateWaitWindow(const std::string& line1, const std::string& line2, const std::string& line3) override {
    return waitWindow_.Update(line1, line2, line3);
  }
  void CloseWaitWindow() override { waitWindow_.Close(); }
  bool ReadsDocuments() const override { return true; }

 private:
  Platform& platform_;
  QtWaitWindow waitWindow_;
};

}  // namespace tramvel
