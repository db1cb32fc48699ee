#pragma once

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tramvel::testing {

// Entries that override the test's environment; nullopt removes a variable.
using EnvironmentChanges = std::map<std::string, std::optional<std::string>>;

// A program started in the background. The caller reads and closes the
// pipes and waits for the process.
struct StartedProgram {
  pid_t pid = -1;     // -1 when it could not be started
  int output = -1;    // its standard output
  int errors = -1;    // its standard error; -1 when that goes to a file
  int startError = 0; // errno of a start that failed
};

// Starts `program` with `args`, standard input from /dev/null, standard error
// to a pipe or, with `errorsFile`, to that file (created or truncated).
StartedProgram StartProgram(const std::string& program, const std::vector<std::string>& args,
                            const EnvironmentChanges& env = {},
                            const std::optional<std::string>& errorsFile = std::nullopt);

struct ProgramRun {
  bool exitedNormally = false;
  int exitCode = -1;
  std::string output;  // standard output
  std::string errors;  // standard error
};

// Runs a program to its end with the given arguments.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const EnvironmentChanges& env = {});

}  // namespace tramvel::testing
