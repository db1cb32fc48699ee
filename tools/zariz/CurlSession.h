#pragma once

#include <curl/curl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CurlOutcome.h"
#include "ParameterText.h"
#include "Tuning.h"

namespace tramvel::zariz {

class PartialDownload;
class SourceFile;

// libcurl's process-wide set-up, for as long as this object lives.
class CurlLibrary {
 public:
  CurlLibrary();
  ~CurlLibrary();
  CurlLibrary(const CurlLibrary&) = delete;
  CurlLibrary& operator=(const CurlLibrary&) = delete;
  bool Ready() const { return ready_; }

 private:
  bool ready_;
};

// One curl easy handle for every request of a run: it keeps the control
// connection open and logged in from one file to the next, which is what
// makes a folder of many small files quick. Every request sets all of its
// own options, so none leaks into the next.
class CurlSession {
 public:
  CurlSession(const FtpParameters& parameters, const Tuning& tuning);
  CurlSession(const CurlSession&) = delete;
  CurlSession& operator=(const CurlSession&) = delete;

  bool Ready() const { return multi_ != nullptr && handle_ != nullptr; }

  // NLST of a folder URL into `answer`.
  CurlOutcome ListNames(const std::string& folderUrl, std::string& answer);
  // STOR of `source` at `fileUrl`, creating missing folders; the commands
  // run in the file's folder once the transfer is complete.
  CurlOutcome Upload(const std::string& fileUrl, SourceFile& source, const std::vector<std::string>& commandsAfter);
  // RETR of `fileUrl` into `sink`; fewer bytes than the server announced
  // count as a broken transfer even when the server calls it complete.
  CurlOutcome Download(const std::string& fileUrl, PartialDownload& sink);
  // SIZE and MDTM of `fileUrl`: its length in bytes and its modification
  // time (seconds since 1970), each -1 when the server does not tell.
  CurlOutcome Describe(const std::string& fileUrl, int64_t& size, int64_t& modified);
  // Changes into a folder URL and runs the commands there, moving no data.
  CurlOutcome Commands(const std::string& folderUrl, const std::vector<std::string>& commands);

  // See Judge in CurlOutcome.h; this session knows whether the server has
  // answered yet.
  Verdict Judge(const CurlOutcome& outcome) const;

 private:
  enum class Kind { kList, kUpload, kDownload, kCommands, kDescribe };
  CurlOutcome Perform(Kind kind, const std::string& url, const std::vector<std::string>& commandsAfter);
  CURLcode Transfer();

  // The multi handle keeps the open connection from one request to the
  // next; declared first, it outlives the easy handle.
  std::unique_ptr<CURLM, CURLMcode (*)(CURLM*)> multi_;
  std::unique_ptr<CURL, void (*)(CURL*)> handle_;
  char errorBuffer_[CURL_ERROR_SIZE] = {};
  bool serverAnswered_ = false;
};

}  // namespace tramvel::zariz
