#pragma once

#include <filesystem>
#include <string>

namespace tramvel::testing {

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// File helpers for fixtures.
void WriteFile(const std::filesystem::path& path, const std::string& content);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace tramvel::testing
