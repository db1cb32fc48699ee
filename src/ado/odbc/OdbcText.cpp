#include "ado/odbc/OdbcText.h"

namespace tramvel::ado::odbc {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next code point of `utf8` at `at`; a malformed byte reads as U+FFFD.
char32_t NextCodePoint(std::string_view utf8, size_t& at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = byte(at);
  int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
  if (extra == 0) {
    ++at;
    return lead;
  }
  if (extra < 0 || at + static_cast<size_t>(extra) >= utf8.size()) {
    ++at;
    return kReplacement;
  }
  char32_t point = lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    const unsigned char next = byte(at + static_cast<size_t>(i));
    if ((next & 0xC0) != 0x80) {
      ++at;
      return kReplacement;
    }
    point = (point << 6) | (next & 0x3F);
  }
  at += static_cast<size_t>(extra) + 1;
  return point;
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

}  // namespace

WideText ToWide(std::string_view utf8) {
  WideText out;
  out.reserve(utf8.size() + 1);
  for (size_t at = 0; at < utf8.size();) {
    char32_t point = NextCodePoint(utf8, at);
    if (point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) point = kReplacement;
    if (point >= 0x10000) {
      point -= 0x10000;
      out.push_back(static_cast<SQLWCHAR>(0xD800 + (point >> 10)));
      out.push_back(static_cast<SQLWCHAR>(0xDC00 + (point & 0x3FF)));
    } else {
      out.push_back(static_cast<SQLWCHAR>(point));
    }
  }
  out.push_back(0);
  return out;
}

std::string FromWide(const SQLWCHAR* text, size_t length) {
  std::string out;
  out.reserve(length);
  for (size_t i = 0; i < length; ++i) {
    char32_t unit = text[i];
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (unit >= 0xD800 && unit < 0xE000) {
      unit = kReplacement;
    }
    AppendUtf8(out, unit);
  }
  return out;
}

std::string FromWide(const SQLWCHAR* text) {
  size_t length = 0;
  while (text[length] != 0) ++length;
  return FromWide(text, length);
}

}  // namespace tramvel::ado::odbc
