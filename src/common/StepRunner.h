#pragma once

#include <cstdint>
#include <functional>

#include "platform/Failure.h"

namespace tramvel {

// What a procedure does with a failed step.
enum class OnFailure {
  kRetry,   // run the failed step again
  kIgnore,  // go on with the step after it
  kGiveUp,  // leave the procedure with what it holds now
};

// The answer of an error dialog as the procedures read it: 4 retries,
// 5 ignores, anything else gives up.
OnFailure FromDialogAnswer(int answer);

// Runs a procedure as a list of steps (lambdas), meeting each failure the
// way the current mode says. The mode can change while the procedure runs
// (a job that starts ignoring failures after its first deletion). This is the
// only place that catches a Failure.
class StepRunner {
 public:
  using Mode = std::function<OnFailure(const Failure&)>;

  // Every failure ignored silently.
  static Mode Ignoring();
  // The first failure ends the procedure silently.
  static Mode GivingUp();
  // `number` ignored silently, every other failure met by `otherwise`.
  static Mode Skipping(int32_t number, Mode otherwise);
  // `number` ignored silently, every other failure gives up silently.
  static Mode SkippingElseGivingUp(int32_t number);

  explicit StepRunner(Mode mode);

  // From the next failure on, failures are met by `mode`.
  void SetMode(Mode mode);

  // Runs the procedure; false when it gave up.
  bool Run(const std::function<void()>& body);

  // One step of the procedure running in Run().
  void operator()(const std::function<void()>& step);

  // A step that tests a condition: a failure that is ignored counts as true,
  // so the procedure enters the branch the condition guards.
  bool If(const std::function<bool()>& test);

 private:
  Mode mode_;
};

}  // namespace tramvel
