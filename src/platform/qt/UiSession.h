#pragma once

#include <memory>

class QApplication;

namespace tramvel {

// True when a Qt display can be had: QT_QPA_PLATFORM names a real one, or an
// X server or Wayland compositor answers. Judged before Qt is asked, because
// Qt ends the process when its platform finds no display.
bool DisplayAvailable();

// The program's Qt application. Without a display it runs on the offscreen
// platform, so that windows, timers and event pumping still work while
// nothing reaches a screen.
class UiSession {
 public:
  UiSession(int& argc, char** argv);
  ~UiSession();
  UiSession(const UiSession&) = delete;
  UiSession& operator=(const UiSession&) = delete;

  bool HasDisplay() const { return display_; }

  // Runs the event loop until the last window closes.
  int Exec();

 private:
  bool display_;
  std::unique_ptr<QApplication> app_;
};

}  // namespace tramvel
