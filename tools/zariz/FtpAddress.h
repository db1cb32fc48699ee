#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tramvel::zariz {

struct FtpServer {
  std::string host;  // a name, an IPv4 address, or an IPv6 address in brackets
  int port = 21;
  bool tls = false;  // explicit FTP over TLS (AUTH TLS), control and data
};

// SERVER= as "host", "host:port", "ftp://host[:port]" or "ftps://host[:port]".
std::optional<FtpServer> ParseServer(std::string_view text);

// The URL of a web folder, ending in "/". DIRWEB is relative to the login
// folder and may use backslashes as the job writes them ("Public_html/
// clientes/Vorin\"); empty and "." segments mean nothing and are dropped, so
// a leading slash does not turn it into an absolute path.
std::string FolderUrl(const FtpServer& server, std::string_view webFolder);

// The folder names of DIRWEB, outermost first, as FolderUrl reads them.
std::vector<std::string> WebFolderSegments(std::string_view webFolder);

// The URL of the folder that the first `depth` segments name (the login
// folder for 0).
std::string FolderUrl(const FtpServer& server, const std::vector<std::string>& segments, std::size_t depth);

// The URL of one file in a folder URL.
std::string FileUrl(std::string_view folderUrl, std::string_view name);

// Bytes outside the unreserved set of RFC 3986 as %XX, so that a file name
// with blanks, "#", "?" or "%" reaches the server as written.
std::string PercentEncode(std::string_view text);

}  // namespace tramvel::zariz
