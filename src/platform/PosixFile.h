#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/Platform.h"

namespace tramvel {

// A file open on a POSIX descriptor, closed when the object goes. Every
// failure raises what PosixFailure makes of its errno, naming the path as
// the system wrote it.
class PosixFile final : public File {
 public:
  PosixFile(int fd, std::string path, std::string source);
  ~PosixFile() override;
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  std::size_t Read(std::span<std::byte> buffer) override;
  void Write(std::span<const std::byte> data) override;
  void Seek(uint64_t offset) override;
  uint64_t Length() override;
  void SetLength(uint64_t length) override;
  void Flush(bool durable) override;
  std::size_t CopyTo(File& destination, std::size_t count) override;

 private:
  Failure Fail(int error) const;

  int fd_;
  std::string path_;
  std::string source_;
  bool inKernelCopy_ = true;
};

// Makes the folder and every missing folder above it, each with `mode`
// (less the umask); levels that exist are left as they are.
void MakeFolders(const std::string& native, mode_t mode);

}  // namespace tramvel
