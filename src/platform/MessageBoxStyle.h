#pragma once

namespace tramvel {

// The Windows message-box style codes: buttons + icon + default button.
namespace mb {
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kDefaultButton2 = 256;
inline constexpr int kDefaultButton3 = 512;

// Answer codes.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kAbort = 3;
inline constexpr int kRetry = 4;
inline constexpr int kIgnore = 5;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace mb

// The buttons of a style, in the order the box shows them.
int ButtonCount(int style);
int ButtonAnswer(int style, int index);

// The answer of the box's default button.
int DefaultAnswer(int style);

// The answer when nobody is there to click: the default button, except that a
// box offering Retry gives up (Abort or Cancel), so that a job never waits for
// nobody and never loops on a retry that nobody asked for.
int UnattendedAnswer(int style);

}  // namespace tramvel
