#pragma once

#include <curl/curl.h>

#include <string>

#include "ExitCode.h"

namespace tramvel::zariz {

// How one request on the server ended.
struct CurlOutcome {
  CURLcode code = CURLE_OK;
  long response = 0;   // the server's last reply code (550, 426, ...), 0 when none came
  std::string detail;  // curl's own account, or what went wrong with the local file
  bool Ok() const { return code == CURLE_OK; }
};

struct Verdict {
  ExitCode exit;
  bool transient;  // worth trying again after a pause
};

// What a failed request means for the run. A reply in the 4xx range is
// transient by the protocol's own definition, and so are broken or stalled
// connections; a 5xx reply or a local file error is not. A time-out before
// the server ever answered this run counts as not reaching it.
Verdict Judge(const CurlOutcome& outcome, bool serverAnsweredBefore);

// The server would not change into the folder (550): it does not exist, or
// the account may not enter it; WebFolderIsMissing (Job.h) tells which.
bool CouldNotEnterFolder(const CurlOutcome& outcome);

// One line for standard error: curl's words, its detail, the server's code.
std::string Describe(const CurlOutcome& outcome);

}  // namespace tramvel::zariz
