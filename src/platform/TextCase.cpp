#include "platform/TextCase.h"

#include <QString>

#include <algorithm>

namespace tramvel {
namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
  }
  return Q(a).compare(Q(b), Qt::CaseInsensitive) == 0;
}

std::size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from) {
  if (from > haystack.size()) return std::string_view::npos;
  if (IsAscii(needle)) {
    // Multi-byte characters of the haystack never match an ASCII needle byte
    // by byte, so a byte search stays exact and fast.
    const auto it = std::search(haystack.begin() + static_cast<std::ptrdiff_t>(from), haystack.end(), needle.begin(),
                                needle.end(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
    return it == haystack.end() && !needle.empty() ? std::string_view::npos
                                                   : static_cast<std::size_t>(it - haystack.begin());
  }
  const QByteArray lowered = Q(haystack).toLower().toUtf8();
  const QByteArray wanted = Q(needle).toLower().toUtf8();
  // Lower-casing keeps the UTF-8 length of the letters this system meets
  // (Latin-1 range), so positions carry over.
  const qsizetype at = lowered.indexOf(wanted, static_cast<qsizetype>(from));
  return at < 0 ? std::string_view::npos : static_cast<std::size_t>(at);
}

std::string ToUpper(std::string_view text) {
  if (IsAscii(text)) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
    return out;
  }
  return Q(text).toUpper().toStdString();
}

std::string ToLower(std::string_view text) {
  if (IsAscii(text)) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
    return out;
  }
  return Q(text).toLower().toStdString();
}

}  // namespace tramvel
