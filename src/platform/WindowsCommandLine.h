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

// The program is the longest prefix ending before a blank (or the whole
// line) for which `namesProgram` holds; the text after that one blank is the
// argument, leading blanks included. nullopt when no prefix does.
//
// Windows takes the shortest prefix that names a file, so a file "/tmp/my"
// beside the folder "/tmp/my bin/" would run instead of the program in it.
// A command line is built from the program's folder: the longest prefix
// naming a program always reaches the program in that folder.
std::optional<SplitCommand> SplitWindowsCommandLine(std::string_view line,
                                                    const std::function<bool(const std::string&)>& namesProgram);

}  // namespace tramvel
