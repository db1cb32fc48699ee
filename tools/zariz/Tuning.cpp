#include "Tuning.h"

#include <charconv>

namespace tramvel::zariz {
namespace {

// Sets `target` from the variable `name` when it is set; false when its
// value is no whole number between `low` and `high`.
bool ReadNumber(const std::function<const char*(const char*)>& lookup, const char* name, long low, long high,
                long& target) {
  const char* text = lookup(name);
  if (text == nullptr || *text == '\0') return true;
  const std::string_view digits(text);
  long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < low || value > high) return false;
  target = value;
  return true;
}

}  // namespace

TuningRead ReadTuning(const std::function<const char*(const char*)>& lookup) {
  Tuning tuning;
  long retries = tuning.retries;
  long delay = static_cast<long>(tuning.firstRetryDelay.count());
  if (!ReadNumber(lookup, "ZARIZ_CONNECT_TIMEOUT", 1, 3600, tuning.connectTimeoutSeconds)) {
    return {std::nullopt, "ZARIZ_CONNECT_TIMEOUT debe ser un número de segundos entre 1 y 3600"};
  }
  if (!ReadNumber(lookup, "ZARIZ_STALL_TIMEOUT", 1, 3600, tuning.stallTimeoutSeconds)) {
    return {std::nullopt, "ZARIZ_STALL_TIMEOUT debe ser un número de segundos entre 1 y 3600"};
  }
  if (!ReadNumber(lookup, "ZARIZ_RETRIES", 0, 20, retries)) {
    return {std::nullopt, "ZARIZ_RETRIES debe ser un número entre 0 y 20"};
  }
  if (!ReadNumber(lookup, "ZARIZ_RETRY_DELAY_MS", 0, 600000, delay)) {
    return {std::nullopt, "ZARIZ_RETRY_DELAY_MS debe ser un número de milisegundos entre 0 y 600000"};
  }
  tuning.retries = static_cast<int>(retries);
  tuning.firstRetryDelay = std::chrono::milliseconds(delay);
  if (const char* bundle = lookup("ZARIZ_CA_BUNDLE"); bundle != nullptr) tuning.caBundle = bundle;
  return {tuning, {}};
}

}  // namespace tramvel::zariz
