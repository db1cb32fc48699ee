#pragma once

#include <cstdint>
#include <string>

namespace tramvel {

// The one exception type of the system: a failure with the number Windows and
// VB give it (5, 53, 75, -2147217900, ...), which callers test,, a description and the name of the
// program or component that raised it. Operating-system and library errors are
// turned into one of these in exactly one place per implementation, and only
// the step runner (common/StepRunner.h) catches it.
class Failure : public std::exception {
 public:
  Failure(int32_t number, std::string description, std::string source = {});

  int32_t Number() const { return number_; }
  const std::string& Description() const { return description_; }
  const std::string& Source() const { return source_; }
  const char* what() const noexcept override { return description_.c_str(); }

 private:
  int32_t number_;
  std::string description_;
  std::string source_;
};

// The numbers callers test for.
namespace failure {
inline constexpr int32_t kInvalidCall = 5;        // invalid procedure call or argument
inline constexpr int32_t kOverflow = 6;
inline constexpr int32_t kBadFileNumber = 52;     // bad file name or number
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kFileAlreadyOpen = 55;
inline constexpr int32_t kDeviceIo = 57;
inline constexpr int32_t kFileExists = 58;
inline constexpr int32_t kDiskFull = 61;
inline constexpr int32_t kInputPastEnd = 62;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kPathFileAccess = 75;    // also: creating a folder that exists
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectClosed = 3704;
inline constexpr int32_t kDatabase = -2147217900;
}  // namespace failure

}  // namespace tramvel
