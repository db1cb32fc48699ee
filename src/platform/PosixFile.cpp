#include "platform/PosixFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/PosixFailure.h"

namespace tramvel {

PosixFile::PosixFile(int fd, std::string path, std::string source)
    : fd_(fd), path_(std::move(path)), source_(std::move(source)) {}

PosixFile::~PosixFile() { ::close(fd_); }

std::size_t PosixFile::Read(std::span<std::byte> buffer) {
  std::size_t total = 0;
  while (total < buffer.size()) {
    const ssize_t n = ::read(fd_, buffer.data() + total, buffer.size() - total);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw Fail(errno);
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  return total;
}

void PosixFile::Write(std::span<const std::byte> data) {
  std::size_t total = 0;
  while (total < data.size()) {
    const ssize_t n = ::write(fd_, data.data() + total, data.size() - total);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw Fail(errno);
    total += static_cast<std::size_t>(n);
  }
}

void PosixFile::Seek(uint64_t offset) {
  if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) throw Fail(errno);
}

uint64_t PosixFile::Length() {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) throw Fail(errno);
  return static_cast<uint64_t>(info.st_size);
}

void PosixFile::SetLength(uint64_t length) {
  if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) throw Fail(errno);
}

void PosixFile::Flush(bool durable) {
  if (durable && ::fdatasync(fd_) != 0) throw Fail(errno);
}

std::size_t PosixFile::CopyTo(File& destination, std::size_t count) {
  auto* target = dynamic_cast<PosixFile*>(&destination);
  if (!target || !inKernelCopy_) return File::CopyTo(destination, count);
  // Inside the kernel, bytes need not pass through our memory.
  std::size_t total = 0;
  while (total < count) {
    const ssize_t n = ::copy_file_range(fd_, nullptr, target->fd_, nullptr, count - total, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && total == 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
      inKernelCopy_ = false;
      return File::CopyTo(destination, count);
    }
    if (n < 0) throw Fail(errno);
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  return total;
}

Failure PosixFile::Fail(int error) const { return PosixFailure(error, path_, source_); }

void MakeFolders(const std::string& native, mode_t mode) {
  for (std::size_t slash = native.find('/', 1);; slash = native.find('/', slash + 1)) {
    ::mkdir(native.substr(0, slash).c_str(), mode);
    if (slash == std::string::npos) break;
  }
}

}  // namespace tramvel
