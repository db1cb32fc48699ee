#pragma once

#include <cstdint>
#include <functional>

#include "platform/Failure.h"

namespace tramvel::testing {

// The Failure that `action` raises; number 0, "no failure", when it raises none.
Failure RaisedFailure(const std::function<void()>& action);

// The number of the Failure that `action` raises; 0 when it raises none.
int32_t FailureOf(const std::function<void()>& action);

}  // namespace tramvel::testing
