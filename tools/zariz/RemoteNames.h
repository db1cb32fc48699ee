#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tramvel::zariz {

// A file is sent under its name with this suffix and renamed when complete,
// so that whoever fetches the web folder meanwhile never sees half a file.
// Downloads use it too, for the file being received.
inline constexpr std::string_view kPartSuffix = ".zariz-part";

std::string PartName(std::string_view name);
bool IsPartName(std::string_view name);

// The file names of an NLST answer: one a line, CRLF or LF; a server that
// answers with paths ("dir/name") is reduced to the last component, so
// that no name can point outside the folder fetched into. ".", ".." and
// empty lines are left out; the rest comes sorted, once each.
std::vector<std::string> ParseNameList(std::string_view answer);

}  // namespace tramvel::zariz
