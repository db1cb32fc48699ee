#pragma once

#include <memory>
#include <string>

namespace tramvel {

// The wait window over Qt Widgets: three lines and a "Detener" button, kept
// on top of the program's windows while shown.
class QtWaitWindow {
 public:
  QtWaitWindow();
  ~QtWaitWindow();
  QtWaitWindow(const QtWaitWindow&) = delete;
  QtWaitWindow& operator=(const QtWaitWindow&) = delete;

  void Show(const std::string& title);
  bool Update(const std::string& line1, const std::string& line2, const std::string& line3);
  void Close();

 private:
  struct Widgets;
  std::unique_ptr<Widgets> widgets_;
};

}  // namespace tramvel
