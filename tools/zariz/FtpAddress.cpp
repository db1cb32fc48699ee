#include "FtpAddress.h"

#include <charconv>

#include "TextBlanks.h"
#include "platform/TextCase.h"

namespace tramvel::zariz {
namespace {

bool IsHostNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_';
}

std::optional<int> ParsePort(std::string_view digits) {
  int port = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || port < 1 || port > 65535) {
    return std::nullopt;
  }
  return port;
}

}  // namespace

std::optional<FtpServer> ParseServer(std::string_view text) {
  std::string_view rest = TrimBlanks(text);
  FtpServer server;
  if (const std::size_t scheme = rest.find("://"); scheme != std::string_view::npos) {
    const std::string_view name = rest.substr(0, scheme);
    if (EqualsIgnoreCase(name, "ftps")) {
      server.tls = true;
    } else if (!EqualsIgnoreCase(name, "ftp")) {
      return std::nullopt;
    }
    rest.remove_prefix(scheme + 3);
  }
  if (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);

  std::string_view portText;
  if (!rest.empty() && rest.front() == '[') {
    const std::size_t close = rest.find(']');
    if (close == std::string_view::npos || close == 1) return std::nullopt;
    for (const char c : rest.substr(1, close - 1)) {
      if (!(c == ':' || c == '.' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) {
        return std::nullopt;
      }
    }
    server.host = std::string(rest.substr(0, close + 1));
    rest.remove_prefix(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return std::nullopt;
      portText = rest.substr(1);
      if (portText.empty()) return std::nullopt;
    }
  } else {
    const std::size_t colon = rest.find(':');
    const std::string_view host = rest.substr(0, colon);
    if (host.empty()) return std::nullopt;
    for (const char c : host) {
      if (!IsHostNameCharacter(c)) return std::nullopt;
    }
    server.host = std::string(host);
    if (colon != std::string_view::npos) {
      portText = rest.substr(colon + 1);
      if (portText.empty()) return std::nullopt;
    }
  }
  if (!portText.empty()) {
    const std::optional<int> port = ParsePort(portText);
    if (!port) return std::nullopt;
    server.port = *port;
  }
  return server;
}

std::string PercentEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
        c == '_' || c == '~') {
      out.push_back(c);
    } else {
      out.push_back('%');
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0x0F]);
    }
  }
  return out;
}

std::vector<std::string> WebFolderSegments(std::string_view webFolder) {
  std::vector<std::string> segments;
  std::size_t start = 0;
  while (start <= webFolder.size()) {
    std::size_t end = webFolder.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = webFolder.size();
    const std::string_view segment = webFolder.substr(start, end - start);
    if (!segment.empty() && segment != ".") segments.emplace_back(segment);
    start = end + 1;
  }
  return segments;
}

std::string FolderUrl(const FtpServer& server, const std::vector<std::string>& segments, std::size_t depth) {
  std::string url = "ftp://" + server.host + ":" + std::to_string(server.port) + "/";
  for (std::size_t i = 0; i < depth && i < segments.size(); ++i) url += PercentEncode(segments[i]) + "/";
  return url;
}

std::string FolderUrl(const FtpServer& server, std::string_view webFolder) {
  const std::vector<std::string> segments = WebFolderSegments(webFolder);
  return FolderUrl(server, segments, segments.size());
}

std::string FileUrl(std::string_view folderUrl, std::string_view name) {
  return std::string(folderUrl) + PercentEncode(name);
}

}  // namespace tramvel::zariz
