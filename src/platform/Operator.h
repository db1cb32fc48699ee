#pragma once

#include <string>

namespace tramvel {

enum class MousePointer { kDefault, kHourglass };

// The person at the screen, or nobody: message boxes, the wait window of
// long operations, the mouse pointer and the events a window must handle
// while the program works. Exactly one implementation serves a run, chosen
// when the program starts: Qt Widgets when a display exists, unattended when
// none does (a scheduled run, a command-line program), scripted in tests.
// Code reaches it as Platform::Operator(); nothing else asks whether anyone
// is there.
class Operator {
 public:
  virtual ~Operator() = default;

  // Shows a modal message box with the Windows style code (buttons + icon +
  // default button) and returns its answer code (1 OK ... 7 No). An empty
  // `title` shows the program's name. Unattended, the text goes to standard
  // error and UnattendedAnswer(style) answers, so that no box ever waits for
  // nobody.
  virtual int MessageBox(const std::string& text, int style, const std::string& title) = 0;

  // Sets the program-wide mouse pointer; nothing happens unattended.
  virtual void SetMousePointer(MousePointer pointer) = 0;

  // Lets pending events (timer ticks, repaints, clicks) run, then returns.
  // Unattended there are none.
  virtual void PumpEvents() = 0;

  // Shows the wait window of a long operation: a title, three lines and a
  // stop button. Showing it again retitles it and forgets an earlier stop.
  virtual void ShowWaitWindow(const std::string& title) = 0;

  // Sets the three lines of the shown window and returns true when the
  // operator asked to stop since it was shown; false when it is not shown.
  // Unattended the lines go to standard error, at most about once a second,
  // and nobody asks to stop.
  virtual bool UpdateWaitWindow(const std::string& line1, const std::string& line2, const std::string& line3) = 0;

  // Closes the wait window; nothing happens when it is not shown.
  virtual void CloseWaitWindow() = 0;

  // True when a document opened for the operator (a file of errors, say)
  // will be read. False unattended: the messages alone must then say where
  // to look, and nothing is opened.
  virtual bool ReadsDocuments() const = 0;
};

// Forwards every call to another operator; a program or a test derives from
// it and overrides only what it watches or changes.
class OperatorWrapper : public Operator {
 public:
  explicit OperatorWrapper(Operator& target) : target_(target) {}

  int MessageBox(const std::string& text, int style, const std::string& title) override {
    return target_.MessageBox(text, style, title);
  }
  void SetMousePointer(MousePointer pointer) override { target_.SetMousePointer(pointer); }
  void PumpEvents() override { target_.PumpEvents(); }
  void ShowWaitWindow(const std::string& title) override { target_.ShowWaitWindow(title); }
  bool UpdateWaitWindow(const std::string& line1, const std::string& line2, const std::string& line3) override {
    return target_.UpdateWaitWindow(line1, line2, line3);
  }
  void CloseWaitWindow() override { target_.CloseWaitWindow(); }
  bool ReadsDocuments() const override { return target_.ReadsDocuments(); }

 private:
  Operator& target_;
};

}  // namespace tramvel
