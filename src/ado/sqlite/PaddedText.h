#pragma once

#include <string_view>

namespace tramvel::ado::sqlite {

// SQL Server pads the shorter text with blanks before it compares two texts,
// so 'sa' equals 'sa ' ("WHERE USUARIO = 'sa '" finds the user "sa"), and a
// unique key refuses both. SQLite's NOCASE does not: the embedded engine
// registers this order under that name on every connection. It is NOCASE's
// own order (ASCII letters without regard to case, every other byte as it
// stands) on the texts without their trailing blanks, so the order of an
// index that SQLite's NOCASE built stays valid.
// Negative, zero or positive, as memcmp.
int ComparePaddedTexts(std::string_view a, std::string_view b);

}  // namespace tramvel::ado::sqlite
