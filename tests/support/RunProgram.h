#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tramvel::testing {

struct ProgramRun {
  bool exitedNormally = false;
  int exitCode = -1;
  std::string output;  // standard output
  std::string errors;  // standard error
};

// Runs a program to its end with the given arguments; `env` entries override
// the test's environment (nullopt removes a variable).
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::map<std::string, std::optional<std::string>>& env = {});

}  // namespace tramvel::testing
