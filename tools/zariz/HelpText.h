#pragma once

#include <string_view>

namespace tramvel::zariz {

// What `zariz.exe --help` prints: the parameter text, the settings and the
// exit codes.
std::string_view HelpText();

}  // namespace tramvel::zariz
