#include "ExitCode.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/Failure.h"

namespace tramvel::interfaces {

ExitCode ExitCodeFor(const Failure& failure) {
  using namespace tramvel::failure;
  constexpr std::array<int32_t, 10> kFileNumbers = {kBadFileNumber,  kFileNotFound, kFileAlreadyOpen, kDeviceIo,
                                                    kFileExists,     kDiskFull,     kInputPastEnd,    kPermissionDenied,
                                                    kPathFileAccess, kPathNotFound};
  const bool local = std::find(kFileNumbers.begin(), kFileNumbers.end(), failure.Number()) != kFileNumbers.end();
  return local ? ExitCode::kLocalFile : ExitCode::kData;
}

}  // namespace tramvel::interfaces
