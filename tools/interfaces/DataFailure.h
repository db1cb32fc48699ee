#pragma once

#include <string>

namespace tramvel::interfaces {

// Raises the failure of data that cannot travel as it is (a value that fits
// no form of its column, a file that does not match its table), under VB's
// "type mismatch" number, 13.
[[noreturn]] void RaiseDataFailure(std::string description);

}  // namespace tramvel::interfaces
