#include "common/StepRunner.h"

#include <exception>
#include <utility>

namespace tramvel {
namespace {

// Thrown by a step whose failure was answered with "give up"; it unwinds the
// procedure up to its Run().
struct GivenUp {};

}  // namespace

OnFailure FromDialogAnswer(int answer) {
  switch (answer) {
    case 4: return OnFailure::kRetry;
    case 5: return OnFailure::kIgnore;
    default: return OnFailure::kGiveUp;
  }
}

StepRunner::Mode StepRunner::Ignoring() {
  return [](const Failure&) { return OnFailure::kIgnore; };
}

StepRunner::Mode StepRunner::GivingUp() {
  return [](const Failure&) { return OnFailure::kGiveUp; };
}

StepRunner::Mode StepRunner::Skipping(int32_t number, Mode otherwise) {
  return [number, otherwise = std::move(otherwise)](const Failure& failure) {
    return failure.Number() == number ? OnFailure::kIgnore : otherwise(failure);
  };
}

StepRunner::Mode StepRunner::SkippingElseGivingUp(int32_t number) {
  return Skipping(number, GivingUp());
}

StepRunner::StepRunner(Mode mode) : mode_(std::move(mode)) {}

void StepRunner::SetMode(Mode mode) { mode_ = std::move(mode); }

bool StepRunner::Run(const std::function<void()>& body) {
  try {
    body();
    return true;
  } catch (const GivenUp&) {
    return false;
  }
}

void StepRunner::operator()(const std::function<void()>& step) {
  for (;;) {
    OnFailure decision = OnFailure::kIgnore;
    try {
      step();
      return;
    } catch (const Failure& failure) {
      decision = mode_(failure);
    } catch (const GivenUp&) {
      throw;  // a nested step already gave up for the whole procedure
    } catch (const std::exception& error) {
      // A library's own exception is a failure like any other.
      decision = mode_(Failure(failure::kInvalidCall, error.what()));
    }
    if (decision == OnFailure::kIgnore) return;
    if (decision == OnFailure::kGiveUp) throw GivenUp{};
  }
}

bool StepRunner::If(const std::function<bool()>& test) {
  bool holds = true;
  (*this)([&] { holds = test(); });
  return holds;
}

}  // namespace tramvel
