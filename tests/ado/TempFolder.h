#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace tramvel::ado::testing {

// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
      std::filesystem::path candidate = base / ("tramvel-ado-" + std::to_string(random()));
      if (std::filesystem::create_directory(candidate)) {
        path_ = candidate.string();
        break;
      }
    }
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace tramvel::ado::testing
