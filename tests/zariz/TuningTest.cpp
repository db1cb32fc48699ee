#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Tuning.h"

namespace tramvel::zariz {
namespace {

TuningRead ReadFrom(const std::map<std::string, std::string>& variables) {
  return ReadTuning([&variables](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  });
}

TEST(ZarizTuningTest, DefaultsUnlessSet) {
  const TuningRead defaults = ReadFrom({});
  ASSERT_TRUE(defaults.tuning);
  EXPECT_EQ(defaults.tuning->retries, 3);
  EXPECT_EQ(defaults.tuning->firstRetryDelay.count(), 1000);

  const TuningRead set = ReadFrom({{"ZARIZ_RETRIES", "0"}, {"ZARIZ_RETRY_DELAY_MS", "5"},
                                   {"ZARIZ_CONNECT_TIMEOUT", "7"}, {"ZARIZ_CA_BUNDLE", "/etc/ca.pem"}});
  ASSERT_TRUE(set.tuning);
  EXPECT_EQ(set.tuning->retries, 0);
  EXPECT_EQ(set.tuning->firstRetryDelay.count(), 5);
  EXPECT_EQ(set.tuning->connectTimeoutSeconds, 7);
  EXPECT_EQ(set.tuning->caBundle, "/etc/ca.pem");
}

TEST(ZarizTuningTest, RefusesWhatIsNoNumberInRange) {
  for (const auto& [name, value] : std::map<std::string, std::string>{
           {"ZARIZ_RETRIES", "tres"}, {"ZARIZ_STALL_TIMEOUT", "0"}, {"ZARIZ_RETRY_DELAY_MS", "-1"}}) {
    const TuningRead read = ReadFrom({{name, value}});
    EXPECT_FALSE(read.tuning) << name;
    EXPECT_NE(read.error.find(name), std::string::npos) << read.error;
  }
}

}  // namespace
}  // namespace tramvel::zariz
