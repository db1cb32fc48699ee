#pragma once

namespace tramvel {
class Failure;
}

namespace tramvel::interfaces {

// The exit codes of the two interface programs, as --help lists them. A run
// ends with the code of its first problem.
enum class ExitCode : int {
  kOk = 0,
  kBadParameters = 1,  // the parameter text or the configuration cannot be used
  kConnection = 2,     // the database cannot be opened
  kData = 3,           // a table cannot be read or written, or a file of the delivery is bad
  kLocalFile = 4,      // a local folder or file cannot be read or written
};

// The code of a run that ended on this failure: a file's failure numbers
// are the local files' problem, any other the data's.
ExitCode ExitCodeFor(const Failure& failure);

}  // namespace tramvel::interfaces
