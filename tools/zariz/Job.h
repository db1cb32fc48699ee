#pragma once

#include <string>

#include "CurlSession.h"
#include "ParameterText.h"
#include "Report.h"
#include "RetryPolicy.h"

namespace tramvel::zariz {

// One run of the client, as its parameter text asks.
struct Job {
  const FtpParameters& parameters;
  std::string folderUrl;    // DIRWEB on the server
  std::string localFolder;  // DIRDESTINO on this machine
  CurlSession& session;
  const RetryPolicy& retry;
  Report& report;
};

// The server would not change into the web folder (CouldNotEnterFolder):
// true only when the folder above it does not list it, that is, when it does
// not exist yet and so holds nothing; false when it exists but may not be
// entered, or nothing above it can be listed to tell.
bool WebFolderIsMissing(const Job& job);

// DOWNLOAD=NO: every file directly in the local folder to the web folder.
void SendFolder(const Job& job);
// DOWNLOAD=SI: every file directly in the web folder to the local folder.
void FetchFolder(const Job& job);
// DOWNLOAD=BORRAR: ARCHIVO off the web folder.
void DeleteWebFile(const Job& job);

}  // namespace tramvel::zariz
