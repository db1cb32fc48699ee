#include "RetryPolicy.h"

#include <thread>

#include "CurlSession.h"
#include "Report.h"

namespace tramvel::zariz {

CurlOutcome RetryPolicy::Run(const CurlSession& session, Report& report,
                             const std::function<CurlOutcome()>& attempt) const {
  std::chrono::milliseconds delay = firstDelay_;
  for (int tried = 0;; ++tried) {
    CurlOutcome outcome = attempt();
    if (outcome.Ok() || tried >= retries_ || !session.Judge(outcome).transient) return outcome;
    report.Note("reintento " + std::to_string(tried + 1) + " de " + std::to_string(retries_) + " en " +
                std::to_string(delay.count()) + " ms: " + Describe(outcome));
    std::this_thread::sleep_for(delay);
    delay *= 2;
  }
}

}  // namespace tramvel::zariz
