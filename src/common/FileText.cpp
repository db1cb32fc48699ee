#include "common/FileText.h"

#include <vector>

#include "common/StepRunner.h"
#include "platform/Platform.h"

namespace tramvel {

bool CanOpenForReading(Platform& platform, const std::string& path) {
  bool opened = false;
  StepRunner steps(StepRunner::Ignoring());
  steps([&] {
    platform.OpenFile(path, OpenMode::kRead);
    opened = true;
  });
  return opened;
}

std::optional<std::string> ReadWholeFile(Platform& platform, const std::string& path) {
  std::optional<std::string> text;
  StepRunner steps(StepRunner::GivingUp());
  steps.Run([&] {
    steps([&] {
      const auto file = platform.OpenFile(path, OpenMode::kRead);
      std::string content;
      std::vector<std::byte> block(64 * 1024);
      for (std::size_t n; (n = file->Read(block)) > 0;) {
        content.append(reinterpret_cast<const char*>(block.data()), n);
      }
      text = std::move(content);
    });
  });
  return text;
}

}  // namespace tramvel
