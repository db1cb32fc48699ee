#pragma once

#include <functional>
#include <string>

namespace tramvel {

// What a job shows of itself: the status label's caption (repainted at once)
// and the status lines of the window's `Estado`.
struct VistaTrabajo {
  std::function<void(const std::string&)> rotulo;
  std::function<void(const std::string& l1, const std::string& l2, const std::string& l3)> estado;
};

}  // namespace tramvel
