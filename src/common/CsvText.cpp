#include "common/CsvText.h"

namespace tramvel {
namespace {

bool NeedsQuotes(const std::string& text) { return text.empty() || text.find_first_of(",\"\r\n") != std::string::npos; }

}  // namespace

void AppendCsvRecord(std::string& out, const std::vector<std::optional<std::string>>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out.push_back(',');
    if (!fields[i]) continue;
    const std::string& text = *fields[i];
    if (!NeedsQuotes(text)) {
      out += text;
      continue;
    }
    out.push_back('"');
    for (char c : text) {
      if (c == '"') out.push_back('"');
      out.push_back(c);
    }
    out.push_back('"');
  }
  out += "\r\n";
}

}  // namespace tramvel
