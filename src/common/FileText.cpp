#include "common/FileText.h"

#include <vector>

#include "common/StepRunner.h"
#include "platform/Platform.h"

namespace tramvel {

std::optional<std::string> ReadWholeFile(Platform& platform, const std::string& path) {
  std::optional<std::string> text;
  StepRunner steps(StepRunner::SkippingElseGivingUp(0));
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
