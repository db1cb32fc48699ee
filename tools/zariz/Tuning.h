#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace tramvel::zariz {

// The few settings a site may need to change without touching the parameter
// text, which the job writes and nobody else: how long to wait, how often to
// try again, and which certificates to trust for FTP over TLS.
struct Tuning {
  long connectTimeoutSeconds = 30;
  long stallTimeoutSeconds = 60;  // no byte moves and no reply comes for this long
  int retries = 3;
  std::chrono::milliseconds firstRetryDelay{1000};  // doubled before each further try
  std::string caBundle;                             // extra certificates (PEM), empty for the system's
};

struct TuningRead {
  std::optional<Tuning> tuning;
  std::string error;
};

// ZARIZ_CONNECT_TIMEOUT, ZARIZ_STALL_TIMEOUT (seconds), ZARIZ_RETRIES,
// ZARIZ_RETRY_DELAY_MS and ZARIZ_CA_BUNDLE, as `lookup` finds them (null
// when unset). A value that is not a number in range is refused, not
// replaced by the default, so that a typing error does not go unnoticed.
TuningRead ReadTuning(const std::function<const char*(const char*)>& lookup);

}  // namespace tramvel::zariz
