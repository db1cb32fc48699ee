#include "RemoteNames.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace tramvel::zariz {
namespace {

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

}  // namespace

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
    if (line.empty() || line == "." || line == "..") continue;
    names.emplace_back(line);
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::string WhyNotFetched(std::string_view name) {
  if (name.empty()) return "su nombre está vacío";
  if (name.find_first_of("/\\") != std::string_view::npos) return "su nombre lleva una barra";
  if (name.find(';') != std::string_view::npos) return "su nombre lleva \";\"";
  if (std::any_of(name.begin(), name.end(), IsControl)) return "su nombre lleva un carácter de control";
  // Many servers trim the argument of a command: "DELE A.csv " would then
  // delete another file, one that was never fetched.
  if (name.front() == ' ' || name.back() == ' ') return "su nombre empieza o acaba en blanco";
  if (EqualsIgnoreCase(name, kPartFolderName) || EqualsIgnoreCase(name, "TESTIGO")) return "es un nombre reservado";
  return {};
}

std::string Printable(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : name) {
    if (!IsControl(c)) {
      out.push_back(c);
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    out += "\\x";
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0x0F]);
  }
  return out;
}

}  // namespace tramvel::zariz
