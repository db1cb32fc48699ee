#include "platform/PosixFailure.h"

#include <cerrno>
#include <cstring>

namespace tramvel {
namespace {

struct Mapped {
  int32_t number;
  const char* text;
};

Mapped Map(int error) {
  switch (error) {
    case ENOENT: return {failure::kFileNotFound, "File not found"};
    case ENOTDIR: return {failure::kPathNotFound, "Path not found"};
    case ENOSPC:
    case EDQUOT: return {failure::kDiskFull, "Disk full"};
    case EIO: return {failure::kDeviceIo, "Device I/O error"};
    case ETXTBSY:
    case EBUSY: return {failure::kPermissionDenied, "Permission denied"};
    case EMFILE:
    case ENFILE: return {67, "Too many files"};
    case ENAMETOOLONG: return {failure::kBadFileNumber, "Bad file name or number"};
    default: return {failure::kPathFileAccess, "Path/File access error"};
  }
}

}  // namespace

Failure PosixFailure(int error, const std::string& path, const std::string& source) {
  const Mapped mapped = Map(error);
  std::string description = mapped.text;
  if (!path.empty()) description += " '" + path + "'";
  if (mapped.number == failure::kPathFileAccess && error != EACCES && error != EEXIST && error != EISDIR &&
      error != EPERM) {
    description += std::string(" (") + std::strerror(error) + ")";
  }
  return Failure(mapped.number, description, source);
}

}  // namespace tramvel
