#pragma once

#include <string>
#include <string_view>

namespace tramvel {

// A value for the inside of an SQL text literal ('...'): every single quote
// doubled, so that the value can never close its literal and the database
// reads it back exactly.
std::string DoblarComillas(std::string_view texto);

}  // namespace tramvel
