#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tramvel {

// VB's Val: the number at the start of a text, 0 when it starts with none.
// Leading blanks are skipped; a sign, digits, one decimal point (the point,
// whatever the regional settings) and an exponent are read.
double Val(std::string_view text);

// VB's Trim: leading and trailing blanks (spaces only) removed.
std::string RecortarBlancos(std::string_view texto);

// VB's CInt and CLng: the nearest whole number, halves to the even one
// (2.5 gives 2, 3.5 gives 4); beyond the type's range raises 6.
int16_t CInt(double value);
int32_t CLng(double value);

}  // namespace tramvel
