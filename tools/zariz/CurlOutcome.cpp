#include "CurlOutcome.h"

namespace tramvel::zariz {

Verdict Judge(const CurlOutcome& outcome, bool serverAnsweredBefore) {
  switch (outcome.code) {
    case CURLE_OK:
      return {ExitCode::kOk, false};
    case CURLE_READ_ERROR:
    case CURLE_WRITE_ERROR:
    case CURLE_ABORTED_BY_CALLBACK:
      return {ExitCode::kLocalFile, false};
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_SSL_CONNECT_ERROR:
      return {ExitCode::kConnection, true};
    case CURLE_LOGIN_DENIED:
    case CURLE_USE_SSL_FAILED:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
      return {ExitCode::kConnection, false};
    case CURLE_OPERATION_TIMEDOUT:
      return {serverAnsweredBefore ? ExitCode::kTransfer : ExitCode::kConnection, true};
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_PORT_FAILED:
      return {ExitCode::kTransfer, true};
    default:
      return {ExitCode::kTransfer, outcome.response >= 400 && outcome.response < 500};
  }
}

bool CouldNotEnterFolder(const CurlOutcome& outcome) {
  return outcome.response == 550 &&
         (outcome.code == CURLE_REMOTE_ACCESS_DENIED || outcome.code == CURLE_REMOTE_FILE_NOT_FOUND);
}

std::string Describe(const CurlOutcome& outcome) {
  std::string text = curl_easy_strerror(outcome.code);
  if (!outcome.detail.empty() && outcome.detail != text) text += " (" + outcome.detail + ")";
  if (outcome.response != 0) text += ", respuesta " + std::to_string(outcome.response) + " del servidor";
  return text;
}

}  // namespace tramvel::zariz
