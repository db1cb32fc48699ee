#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tramvel::zariz {

// A file is sent under its name with this suffix and renamed when complete,
// so that whoever fetches the web folder meanwhile never sees half a file.
// Downloads use it too, for the file being received.
inline constexpr std::string_view kPartSuffix = ".zariz-part";

// The hidden folder of the destination that receives files being fetched.
inline constexpr std::string_view kPartFolderName = ".zariz";

std::string PartName(std::string_view name);
bool IsPartName(std::string_view name);

// The lines of an NLST answer, CRLF or LF, as the server wrote them: ".",
// ".." (the folder itself and its parent) and empty lines are left out; the
// rest comes sorted, once each.
std::vector<std::string> ParseNameList(std::string_view answer);

// Why a name of the web folder is not fetched, or empty when it may be. A
// fetched name becomes a local file, then part of the job's parameter text
// for its deletion, so it must name one file directly in the folder and hold
// nothing that text or an FTP command gives a meaning to: no "/" or "\\", no
// ";", no control character (CR, LF, NUL among them), no blank at either
// end, and none of the names
// the fetch and the job keep for themselves (".zariz", "TESTIGO", in any
// case).
std::string WhyNotFetched(std::string_view name);

// The name with each control character written as \xNN, so that a hostile
// name cannot forge or hide a line of the run's account.
std::string Printable(std::string_view name);

}  // namespace tramvel::zariz
