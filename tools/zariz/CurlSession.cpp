#include "CurlSession.h"

#include <cstdio>

#include "LocalFiles.h"

namespace tramvel::zariz {
namespace {

// Downloads of several hundred megabytes go faster in large pieces (uploads
// do not: curl's own size suits them better); the listing of one folder
// never needs more than this.
constexpr long kBufferBytes = 256 * 1024;
constexpr std::size_t kLongestListing = 64u * 1024 * 1024;
constexpr int kLongestWaitMs = 100;

using CommandSlist = std::unique_ptr<curl_slist, void (*)(curl_slist*)>;

CommandSlist CommandList(const std::vector<std::string>& commands) {
  curl_slist* list = nullptr;
  for (const std::string& command : commands) {
    curl_slist* longer = curl_slist_append(list, command.c_str());
    if (longer == nullptr) break;
    list = longer;
  }
  return CommandSlist(list, curl_slist_free_all);
}

size_t ReadSource(char* buffer, size_t size, size_t count, void* source) {
  const ssize_t got = static_cast<SourceFile*>(source)->Read(buffer, size * count);
  return got < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(got);
}

size_t WriteDownload(char* data, size_t size, size_t count, void* sink) {
  return static_cast<PartialDownload*>(sink)->Write(data, size * count) ? size * count : 0;
}

size_t WriteListing(char* data, size_t size, size_t count, void* answer) {
  auto& text = *static_cast<std::string*>(answer);
  if (text.size() + size * count > kLongestListing) return 0;
  text.append(data, size * count);
  return size * count;
}

size_t DiscardData(char*, size_t size, size_t count, void*) { return size * count; }

}  // namespace

CurlLibrary::CurlLibrary() : ready_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}

CurlLibrary::~CurlLibrary() {
  if (ready_) curl_global_cleanup();
}

CurlSession::CurlSession(const FtpParameters& parameters, const Tuning& tuning)
    : multi_(curl_multi_init(), curl_multi_cleanup), handle_(curl_easy_init(), curl_easy_cleanup) {
  CURL* curl = handle_.get();
  if (curl == nullptr) return;
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer_);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
  if (!parameters.user.empty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, parameters.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, parameters.password.c_str());
  }
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, tuning.connectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, tuning.stallTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, tuning.stallTimeoutSeconds);
  // A large file keeps the control connection silent for minutes; without
  // keep-alive a firewall on the way may forget it meanwhile.
  curl_easy_setopt(curl, CURLOPT_TCP_KEEPALIVE, 1L);
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kBufferBytes);
  if (parameters.server.tls) {
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!tuning.caBundle.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, tuning.caBundle.c_str());
  }
  if (!parameters.proxy.empty()) {
    curl_easy_setopt(curl, CURLOPT_PROXY, parameters.proxy.c_str());
    // Through an HTTP proxy, FTP commands (rename, delete, listing) only
    // work inside a tunnel; a SOCKS proxy ignores this.
    curl_easy_setopt(curl, CURLOPT_HTTPPROXYTUNNEL, 1L);
    if (!parameters.proxyPassword.empty()) {
      curl_easy_setopt(curl, CURLOPT_PROXYUSERPWD, parameters.proxyPassword.c_str());
    }
  }
}

CurlOutcome CurlSession::ListNames(const std::string& folderUrl, std::string& answer) {
  answer.clear();
  curl_easy_setopt(handle_.get(), CURLOPT_WRITEFUNCTION, WriteListing);
  curl_easy_setopt(handle_.get(), CURLOPT_WRITEDATA, &answer);
  return Perform(Kind::kList, folderUrl, {});
}

CurlOutcome CurlSession::Upload(const std::string& fileUrl, SourceFile& source,
                                const std::vector<std::string>& commandsAfter) {
  curl_easy_setopt(handle_.get(), CURLOPT_READFUNCTION, ReadSource);
  curl_easy_setopt(handle_.get(), CURLOPT_READDATA, &source);
  curl_easy_setopt(handle_.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(source.Size()));
  CurlOutcome outcome = Perform(Kind::kUpload, fileUrl, commandsAfter);
  if (outcome.code == CURLE_READ_ERROR || outcome.code == CURLE_ABORTED_BY_CALLBACK) outcome.detail = source.Error();
  return outcome;
}

CurlOutcome CurlSession::Download(const std::string& fileUrl, PartialDownload& sink) {
  curl_easy_setopt(handle_.get(), CURLOPT_WRITEFUNCTION, WriteDownload);
  curl_easy_setopt(handle_.get(), CURLOPT_WRITEDATA, &sink);
  CurlOutcome outcome = Perform(Kind::kDownload, fileUrl, {});
  if (outcome.code == CURLE_WRITE_ERROR) outcome.detail = sink.Error();
  curl_off_t announced = -1;
  if (outcome.Ok() && curl_easy_getinfo(handle_.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced) == CURLE_OK &&
      announced >= 0 && announced != sink.Written()) {
    outcome.code = CURLE_PARTIAL_FILE;
    outcome.detail = "recibidos " + std::to_string(sink.Written()) + " de " + std::to_string(announced) + " bytes";
  }
  curl_off_t modified = -1;
  if (outcome.Ok() && curl_easy_getinfo(handle_.get(), CURLINFO_FILETIME_T, &modified) == CURLE_OK && modified >= 0) {
    sink.KeepModificationTime(modified);
  }
  return outcome;
}

CurlOutcome CurlSession::Describe(const std::string& fileUrl, int64_t& size, int64_t& modified) {
  CurlOutcome outcome = Perform(Kind::kDescribe, fileUrl, {});
  curl_off_t value = -1;
  size = outcome.Ok() && curl_easy_getinfo(handle_.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &value) == CURLE_OK
             ? static_cast<int64_t>(value)
             : -1;
  value = -1;
  modified = outcome.Ok() && curl_easy_getinfo(handle_.get(), CURLINFO_FILETIME_T, &value) == CURLE_OK
                 ? static_cast<int64_t>(value)
                 : -1;
  return outcome;
}

CurlOutcome CurlSession::Commands(const std::string& folderUrl, const std::vector<std::string>& commands) {
  return Perform(Kind::kCommands, folderUrl, commands);
}

CurlOutcome CurlSession::Perform(Kind kind, const std::string& url, const std::vector<std::string>& commandsAfter) {
  CURL* curl = handle_.get();
  const CommandSlist after = CommandList(commandsAfter);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_UPLOAD, kind == Kind::kUpload ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_NOBODY, kind == Kind::kCommands || kind == Kind::kDescribe ? 1L : 0L);
  // MDTM for a fetch too: the received file keeps the web file's time, by
  // which its deletion later knows it is still the same file.
  curl_easy_setopt(curl, CURLOPT_FILETIME, kind == Kind::kDownload || kind == Kind::kDescribe ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_DIRLISTONLY, kind == Kind::kList ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS,
                   static_cast<long>(kind == Kind::kUpload ? CURLFTP_CREATE_DIR_RETRY : CURLFTP_CREATE_DIR_NONE));
  curl_easy_setopt(curl, CURLOPT_POSTQUOTE, after.get());
  if (kind == Kind::kUpload || kind == Kind::kCommands || kind == Kind::kDescribe) {
    // Nothing should arrive; should something, it must not reach the file
    // of an earlier download.
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, DiscardData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
  }
  errorBuffer_[0] = '\0';

  CurlOutcome outcome;
  outcome.code = Transfer();
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &outcome.response);
  outcome.detail = errorBuffer_;

  curl_easy_setopt(curl, CURLOPT_POSTQUOTE, nullptr);
  if (outcome.Ok() || outcome.response != 0) serverAnswered_ = true;
  return outcome;
}

// The easy interface's own loop would do, but for a stall of libcurl 7.88:
// on a reused control connection it reads the reply to EPSV and then often
// opens the data connection only when its one-second wait runs out, which
// turns 200 small files into minutes (the curl command line suffers it too).
// One more turn of the state machine before each wait opens it at once; the
// wait is kept short as well, so that any other such stall costs little.
CURLcode CurlSession::Transfer() {
  CURLM* multi = multi_.get();
  CURL* curl = handle_.get();
  if (curl_multi_add_handle(multi, curl) != CURLM_OK) return CURLE_FAILED_INIT;
  int running = 1;
  CURLMcode status = CURLM_OK;
  for (;;) {
    for (int turn = 0; turn < 2 && status == CURLM_OK && running != 0; ++turn) {
      status = curl_multi_perform(multi, &running);
    }
    if (status != CURLM_OK || running == 0) break;
    status = curl_multi_poll(multi, nullptr, 0, kLongestWaitMs, nullptr);
  }
  CURLcode result = CURLE_OK;
  if (status != CURLM_OK) {
    result = CURLE_FAILED_INIT;
    std::snprintf(errorBuffer_, sizeof errorBuffer_, "%s", curl_multi_strerror(status));
  }
  int queued = 0;
  while (const CURLMsg* message = curl_multi_info_read(multi, &queued)) {
    if (message->msg == CURLMSG_DONE && message->easy_handle == curl) result = message->data.result;
  }
  curl_multi_remove_handle(multi, curl);
  return result;
}

Verdict CurlSession::Judge(const CurlOutcome& outcome) const { return zariz::Judge(outcome, serverAnswered_); }

}  // namespace tramvel::zariz
