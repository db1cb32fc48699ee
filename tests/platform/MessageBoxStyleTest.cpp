#include "platform/MessageBoxStyle.h"

#include <gtest/gtest.h>

namespace tramvel {
namespace {

TEST(MessageBoxStyle, DefaultAndUnattendedAnswers) {
  struct Case {
    int style;
    int byDefault;
    int unattended;
  } const cases[] = {
      {mb::kOkOnly, mb::kOk, mb::kOk},
      {mb::kOkOnly + mb::kCritical, mb::kOk, mb::kOk},
      {mb::kOkCancel + mb::kDefaultButton2, mb::kCancel, mb::kCancel},
      {mb::kAbortRetryIgnore + mb::kCritical, mb::kAbort, mb::kAbort},
      {mb::kAbortRetryIgnore + mb::kDefaultButton2, mb::kRetry, mb::kAbort},
      {mb::kYesNoCancel + mb::kDefaultButton3, mb::kCancel, mb::kCancel},
      {mb::kYesNo + mb::kQuestion, mb::kYes, mb::kYes},
      {mb::kYesNo + mb::kDefaultButton2, mb::kNo, mb::kNo},
      {mb::kRetryCancel, mb::kRetry, mb::kCancel},
      {mb::kOkOnly + mb::kDefaultButton2, mb::kOk, mb::kOk},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DefaultAnswer(c.style), c.byDefault) << c.style;
    EXPECT_EQ(UnattendedAnswer(c.style), c.unattended) << c.style;
  }
}

}  // namespace
}  // namespace tramvel
