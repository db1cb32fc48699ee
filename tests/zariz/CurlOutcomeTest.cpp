#include <gtest/gtest.h>

#include "CaseName.h"

#include "CurlOutcome.h"

namespace tramvel::zariz {
namespace {

struct Case {
  CURLcode code;
  long response;
  bool answeredBefore;
  ExitCode exit;
  bool transient;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << curl_easy_strerror(c.code) << ", reply " << c.response << (c.answeredBefore ? ", after an answer" : "");
}

class ZarizJudgeTest : public ::testing::TestWithParam<Case> {};

TEST_P(ZarizJudgeTest, TellsWhatAFailureMeansAndWhetherToTryAgain) {
  const Case& c = GetParam();
  const Verdict verdict = Judge(CurlOutcome{c.code, c.response, {}}, c.answeredBefore);
  EXPECT_EQ(verdict.exit, c.exit) << curl_easy_strerror(c.code);
  EXPECT_EQ(verdict.transient, c.transient) << curl_easy_strerror(c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ZarizJudgeTest,
    ::testing::Values(Case{CURLE_COULDNT_CONNECT, 0, false, ExitCode::kConnection, true},
                      Case{CURLE_LOGIN_DENIED, 530, false, ExitCode::kConnection, false},
                      Case{CURLE_PEER_FAILED_VERIFICATION, 0, false, ExitCode::kConnection, false},
                      Case{CURLE_OPERATION_TIMEDOUT, 0, false, ExitCode::kConnection, true},
                      Case{CURLE_OPERATION_TIMEDOUT, 150, true, ExitCode::kTransfer, true},
                      Case{CURLE_PARTIAL_FILE, 426, true, ExitCode::kTransfer, true},
                      Case{CURLE_UPLOAD_FAILED, 452, true, ExitCode::kTransfer, true},
                      Case{CURLE_UPLOAD_FAILED, 553, true, ExitCode::kTransfer, false},
                      Case{CURLE_QUOTE_ERROR, 550, true, ExitCode::kTransfer, false},
                      Case{CURLE_WRITE_ERROR, 150, true, ExitCode::kLocalFile, false},
                      Case{CURLE_READ_ERROR, 150, true, ExitCode::kLocalFile, false}),
    [](const ::testing::TestParamInfo<Case>& c) {
      return test::CaseName(std::string(curl_easy_strerror(c.param.code)) + " " +
                                std::to_string(c.param.response),
                            c.index);
    });

TEST(ZarizCouldNotEnterFolderTest, OnlyAFolderTheServerWillNotEnter) {
  EXPECT_TRUE(CouldNotEnterFolder(CurlOutcome{CURLE_REMOTE_ACCESS_DENIED, 550, {}}));
  EXPECT_FALSE(CouldNotEnterFolder(CurlOutcome{CURLE_REMOTE_ACCESS_DENIED, 530, {}}));
  EXPECT_FALSE(CouldNotEnterFolder(CurlOutcome{CURLE_QUOTE_ERROR, 550, {}}));
}

}  // namespace
}  // namespace tramvel::zariz
