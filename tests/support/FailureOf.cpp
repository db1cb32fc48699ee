#include "FailureOf.h"

namespace tramvel::testing {

Failure RaisedFailure(const std::function<void()>& action) {
  try {
    action();
  } catch (const Failure& failure) {
    return failure;
  }
  return Failure(0, "no failure");
}

int32_t FailureOf(const std::function<void()>& action) { return RaisedFailure(action).Number(); }

}  // namespace tramvel::testing
