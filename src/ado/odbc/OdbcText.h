#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <string_view>
#include <vector>

namespace tramvel::ado::odbc {

// Texts cross the ODBC boundary as UTF-16 (SQLWCHAR), so that accented
// letters reach any driver and come back intact whatever the locale; inside
// the system they are UTF-8.
using WideText = std::vector<SQLWCHAR>;  // ends with a 0

WideText ToWide(std::string_view utf8);
std::string FromWide(const SQLWCHAR* text, size_t length);
std::string FromWide(const SQLWCHAR* text);  // up to its 0

}  // namespace tramvel::ado::odbc
