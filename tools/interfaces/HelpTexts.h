#pragma once

#include <string>

namespace tramvel::interfaces {

// What --help prints for each program.
std::string ExportHelpText();
std::string ImportHelpText();

}  // namespace tramvel::interfaces
