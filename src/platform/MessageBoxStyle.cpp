#include "platform/MessageBoxStyle.h"

#include <array>
#include <span>

namespace tramvel {
namespace {

std::span<const int> Buttons(int style) {
  static constexpr std::array<int, 1> kOk{mb::kOk};
  static constexpr std::array<int, 2> kOkCancel{mb::kOk, mb::kCancel};
  static constexpr std::array<int, 3> kAri{mb::kAbort, mb::kRetry, mb::kIgnore};
  static constexpr std::array<int, 3> kYnc{mb::kYes, mb::kNo, mb::kCancel};
  static constexpr std::array<int, 2> kYn{mb::kYes, mb::kNo};
  static constexpr std::array<int, 2> kRc{mb::kRetry, mb::kCancel};
  switch (style & 0x0F) {
    case mb::kOkCancel: return kOkCancel;
    case mb::kAbortRetryIgnore: return kAri;
    case mb::kYesNoCancel: return kYnc;
    case mb::kYesNo: return kYn;
    case mb::kRetryCancel: return kRc;
    default: return kOk;
  }
}

}  // namespace

int ButtonCount(int style) { return static_cast<int>(Buttons(style).size()); }

int ButtonAnswer(int style, int index) {
  const auto buttons = Buttons(style);
  if (index < 0 || index >= static_cast<int>(buttons.size())) return buttons.front();
  return buttons[static_cast<std::size_t>(index)];
}

int DefaultAnswer(int style) {
  const int index = (style & mb::kDefaultButton3) ? 2 : (style & mb::kDefaultButton2) ? 1 : 0;
  return ButtonAnswer(style, index < ButtonCount(style) ? index : 0);
}

int UnattendedAnswer(int style) {
  switch (style & 0x0F) {
    case mb::kAbortRetryIgnore: return mb::kAbort;
    case mb::kRetryCancel: return mb::kCancel;
    default: return DefaultAnswer(style);
  }
}

}  // namespace tramvel
