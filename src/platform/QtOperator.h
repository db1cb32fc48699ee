#pragma once

#include <string>

namespace tramvel {

// The operator's side of the real platform, over Qt Widgets. Each is a no-op
// (or the default answer) when no Qt application exists.
int ShowQtMessageBox(const std::string& text, int style, const std::string& title);
void SetQtMousePointer(bool hourglass);
void PumpQtEvents();

}  // namespace tramvel
