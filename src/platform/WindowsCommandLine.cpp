#include "platform/WindowsCommandLine.h"

namespace tramvel {

std::optional<SplitCommand> SplitWindowsCommandLine(std::string_view line,
                                                    const std::function<bool(const std::string&)>& namesFile) {
  for (std::size_t blank = line.find(' '); blank != std::string_view::npos; blank = line.find(' ', blank + 1)) {
    if (blank == 0) continue;
    std::string program(line.substr(0, blank));
    if (namesFile(program)) return SplitCommand{std::move(program), std::string(line.substr(blank + 1))};
  }
  if (!line.empty() && namesFile(std::string(line))) return SplitCommand{std::string(line), {}};
  return std::nullopt;
}

}  // namespace tramvel
