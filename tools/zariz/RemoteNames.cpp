#include "RemoteNames.h"

#include <algorithm>

namespace tramvel::zariz {

std::string PartName(std::string_view name) { return std::string(name) + std::string(kPartSuffix); }

bool IsPartName(std::string_view name) {
  return name.size() > kPartSuffix.size() && name.substr(name.size() - kPartSuffix.size()) == kPartSuffix;
}

std::vector<std::string> ParseNameList(std::string_view answer) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start < answer.size()) {
    std::size_t end = answer.find('\n', start);
    if (end == std::string_view::npos) end = answer.size();
    std::string_view line = answer.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (const std::size_t slash = line.find_last_of('/'); slash != std::string_view::npos) {
      line.remove_prefix(slash + 1);
    }
    if (line.empty() || line == "." || line == "..") continue;
    names.emplace_back(line);
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace tramvel::zariz
