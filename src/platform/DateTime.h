#pragma once

#include <compare>

namespace tramvel {

// A local calendar date and time to the second, as the system's clock gives it.
struct DateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

}  // namespace tramvel
