#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tramvel {

// A command line split the way Windows resolves an unquoted program path.
struct SplitCommand {
  std::string program;   // the program part as written
  std::string argument;  // everything after the blank that ends it, unchanged
};

// The program is the shortest prefix ending before a blank (or the whole
// line) for which `namesFile` holds; the text after that one blank is the
// argument, leading blanks included. nullopt when no prefix names a file.
std::optional<SplitCommand> SplitWindowsCommandLine(std::string_view line,
                                                    const std::function<bool(const std::string&)>& namesFile);

}  // namespace tramvel
