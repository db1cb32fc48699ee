#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "FtpAddress.h"

namespace tramvel::zariz {

// What DOWNLOAD= asks for: NO sends the local folder, SI fetches the web
// folder, BORRAR deletes one web file.
enum class TransferMode { kSend, kFetch, kDelete };

// The fields of the parameter text the job hands the FTP client.
struct FtpParameters {
  TransferMode mode = TransferMode::kSend;
  FtpServer server;
  std::string user;
  std::string password;
  std::string file;          // ARCHIVO: the one web file of a deletion; empty for all files
  std::string webFolder;     // DIRWEB as written, relative to the login folder
  std::string localFolder;   // DIRDESTINO as written, a Windows-style path
  std::string proxy;
  std::string proxyPassword; // PROXYPASS, "user:password" for the proxy
};

struct ParsedParameters {
  std::optional<FtpParameters> parameters;
  std::string error;  // why the text was refused, when `parameters` is empty
};

// Reads "DOWNLOAD=..;SERVER=..;USUARIO=..;PASSWORD=..;ARCHIVO=..;DIRWEB=..;
// DIRDESTINO=..;PROXY=..;PROXYPASS=..;": fields separated by semicolons, keys
// in any case with blanks around them tolerated (the delete form writes
// "; ARCHIVO="), values taken as written. A text that could make the client
// act on something other than what was meant is refused rather than guessed
// at: an unknown or repeated key, a missing DOWNLOAD, SERVER or DIRDESTINO, a
// line break inside a value (it would end an FTP command early), a deletion
// that names no single plain file, or a send or fetch whose ARCHIVO is not
// TODOS.
ParsedParameters ParseParameterText(std::string_view text);

}  // namespace tramvel::zariz
