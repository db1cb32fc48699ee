#pragma once

#include <chrono>
#include <functional>

#include "CurlOutcome.h"

namespace tramvel::zariz {

class CurlSession;
class Report;

// A few more tries, each after twice the pause of the one before, for a
// request that failed in a way that may pass: a dropped or stalled
// connection, a busy server.
class RetryPolicy {
 public:
  RetryPolicy(int retries, std::chrono::milliseconds firstDelay) : retries_(retries), firstDelay_(firstDelay) {}

  // `attempt` must start afresh each time (rewind the file it sends, empty
  // the one it receives); what it returns last is the answer.
  CurlOutcome Run(const CurlSession& session, Report& report, const std::function<CurlOutcome()>& attempt) const;

 private:
  int retries_;
  std::chrono::milliseconds firstDelay_;
};

}  // namespace tramvel::zariz
