#include "common/StepRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tramvel {
namespace {

// A procedure of three steps whose second fails the first `failures` times.
struct Procedure {
  int failures = 1;
  std::vector<std::string> ran;

  bool RunWith(StepRunner& steps) {
    return steps.Run([&] {
      steps([&] { ran.push_back("one"); });
      steps([&] {
        ran.push_back("two");
        if (failures-- > 0) throw Failure(53, "File not found");
      });
      steps([&] { ran.push_back("three"); });
    });
  }
};

TEST(StepRunner, AnswersDecideBetweenRetryIgnoreAndGivingUp) {
  struct Case {
    OnFailure answer;
    bool completed;
    std::vector<std::string> ran;
  } const cases[] = {
      {OnFailure::kRetry, true, {"one", "two", "two", "three"}},
      {OnFailure::kIgnore, true, {"one", "two", "three"}},
      {OnFailure::kGiveUp, false, {"one", "two"}},
  };
  for (const Case& c : cases) {
    Procedure procedure;
    std::vector<int32_t> reported;
    StepRunner steps([&](const Failure& failure) {
      reported.push_back(failure.Number());
      return c.answer;
    });
    EXPECT_EQ(procedure.RunWith(steps), c.completed);
    EXPECT_EQ(procedure.ran, c.ran);
    EXPECT_EQ(reported, std::vector<int32_t>{53});
  }
}

TEST(StepRunner, AModeSetHalfWayMeetsTheFailuresAfterIt) {
  int asked = 0;
  StepRunner steps([&](const Failure&) { return ++asked, OnFailure::kGiveUp; });
  std::vector<int> ran;
  const bool completed = steps.Run([&] {
    steps.SetMode(StepRunner::Ignoring());
    steps([&] { throw Failure(75, "Path/File access error"); });
    steps([&] { ran.push_back(2); });
  });
  EXPECT_TRUE(completed);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(ran, std::vector<int>{2});
}

TEST(StepRunner, AnIgnoredFailingConditionEntersItsBranch) {
  StepRunner steps(StepRunner::Ignoring());
  EXPECT_TRUE(steps.If([]() -> bool { throw Failure(5, "Invalid procedure call or argument"); }));
  EXPECT_FALSE(steps.If([] { return false; }));
}

TEST(StepRunner, SkipsOneNumberAndGivesUpOnOthers) {
  StepRunner steps(StepRunner::SkippingElseGivingUp(5));
  std::vector<int> ran;
  const bool completed = steps.Run([&] {
    steps([&] { throw Failure(5, "skipped"); });
    steps([&] { ran.push_back(1); });
    steps([&] { throw Failure(6, "Overflow"); });
    steps([&] { ran.push_back(2); });
  });
  EXPECT_FALSE(completed);
  EXPECT_EQ(ran, std::vector<int>{1});
}

TEST(StepRunner, ALibraryExceptionIsAFailureOfItsStep) {
  int32_t number = 0;
  StepRunner steps([&](const Failure& failure) { return number = failure.Number(), OnFailure::kIgnore; });
  steps([] { (void)std::string("abc").substr(10); });
  EXPECT_EQ(number, failure::kInvalidCall);
}

TEST(StepRunner, DialogAnswersMapToDecisions) {
  EXPECT_EQ(FromDialogAnswer(4), OnFailure::kRetry);
  EXPECT_EQ(FromDialogAnswer(5), OnFailure::kIgnore);
  EXPECT_EQ(FromDialogAnswer(3), OnFailure::kGiveUp);
  EXPECT_EQ(FromDialogAnswer(2), OnFailure::kGiveUp);
}

}  // namespace
}  // namespace tramvel
