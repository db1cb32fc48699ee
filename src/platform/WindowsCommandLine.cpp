#include "platform/WindowsCommandLine.h"

namespace tramvel {

std::optional<SplitCommand> SplitWindowsCommandLine(std::string_view line,
                                                    const std::function<bool(const std::string&)>& namesProgram) {
  if (!line.empty() && namesProgram(std::string(line))) return SplitCommand{std::string(line), {}};
  for (std::size_t blank = line.rfind(' '); blank != std::string_view::npos && blank > 0;
       blank = line.rfind(' ', blank - 1)) {
    std::string program(line.substr(0, blank));
    if (namesProgram(program)) return SplitCommand{std::move(program), std::string(line.substr(blank + 1))};
  }
  return std::nullopt;
}

}  // namespace tramvel
