#pragma once

namespace tramvel::zariz {

// The exit codes of zariz.exe, as --help lists them. When several files fail,
// the run ends with the code of the first failure.
enum class ExitCode : int {
  kOk = 0,
  kBadParameters = 1,  // the parameter text or a ZARIZ_* setting cannot be used
  kConnection = 2,     // the server cannot be reached, or refuses the login or TLS
  kTransfer = 3,       // a listing, transfer, rename or deletion failed on the server side
  kLocalFile = 4,      // a local folder or file cannot be read or written
};

}  // namespace tramvel::zariz
