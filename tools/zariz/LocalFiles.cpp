#include "LocalFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "RemoteNames.h"

namespace tramvel::zariz {
namespace {

// curl hands a download over in pieces of a few kilobytes; gathering them
// saves most of the system calls. Asking the disk to start writing every few
// megabytes lets it work while the network does, so that the flush before
// the renames has little left to wait for.
constexpr std::size_t kWriteBufferBytes = 1024 * 1024;
constexpr int64_t kWritebackBytes = 8 * 1024 * 1024;

// The one place where the system's error numbers become words of ours.
std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

std::string LocalPath(const std::string& folder, const std::string& name) {
  return (std::filesystem::path(folder) / name).string();
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

UniqueFd::~UniqueFd() {
  if (fd_ >= 0) ::close(fd_);
}

bool UniqueFd::Close() {
  const int fd = fd_;
  fd_ = -1;
  return fd < 0 || ::close(fd) == 0;
}

LocalListing FilesDirectlyIn(const std::string& folder) {
  LocalListing listing;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) {
    listing.error = SystemError("no se puede leer la carpeta", folder);
    return listing;
  }
  errno = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    struct stat info {};
    if (name != "." && name != ".." && ::stat(LocalPath(folder, name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
      listing.names.push_back(name);
    }
    errno = 0;
  }
  if (errno != 0) listing.error = SystemError("no se puede leer la carpeta", folder);
  std::sort(listing.names.begin(), listing.names.end());
  return listing;
}

std::string MakeFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "no se puede crear la carpeta " + folder + ": " + error.message();
  return {};
}

void FlushFolder(const std::string& folder) {
  UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.IsOpen()) ::fsync(fd.Get());
}

std::string FlushFileSystem(const std::string& folder) {
  UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.IsOpen() || ::syncfs(fd.Get()) != 0) return SystemError("no se puede guardar en disco lo recibido en", folder);
  return {};
}

SourceFile::SourceFile(const std::string& path) : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  struct stat info {};
  if (!fd_.IsOpen()) {
    error_ = SystemError("no se puede abrir", path);
  } else if (::fstat(fd_.Get(), &info) != 0) {
    error_ = SystemError("no se puede leer", path);
    fd_.Close();
  } else {
    size_ = info.st_size;
  }
}

bool SourceFile::Rewind() {
  if (::lseek(fd_.Get(), 0, SEEK_SET) == 0) return true;
  error_ = SystemError("no se puede volver al principio de", path_);
  return false;
}

ssize_t SourceFile::Read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd_.Get(), buffer, size);
    if (got >= 0) return got;
    if (errno == EINTR) continue;
    error_ = SystemError("no se puede leer", path_);
    return -1;
  }
}

std::string PartFolder(const std::string& folder) { return LocalPath(folder, std::string(kPartFolderName)); }

void RemovePartFolderIfEmpty(const std::string& folder) { ::rmdir(PartFolder(folder).c_str()); }

PartialDownload::PartialDownload(const std::string& folder, const std::string& name)
    : name_(name), partPath_(LocalPath(PartFolder(folder), PartName(name))), finalPath_(LocalPath(folder, name)) {
  if (::mkdir(PartFolder(folder).c_str(), 0777) != 0 && errno != EEXIST) {
    error_ = SystemError("no se puede crear la carpeta", PartFolder(folder));
    return;
  }
  fd_ = UniqueFd(::open(partPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!fd_.IsOpen()) error_ = SystemError("no se puede crear", partPath_);
}

PartialDownload::~PartialDownload() {
  if (!committed_) {
    fd_.Close();
    ::unlink(partPath_.c_str());
  }
}

bool PartialDownload::Restart() {
  buffer_.clear();
  if (::ftruncate(fd_.Get(), 0) != 0 || ::lseek(fd_.Get(), 0, SEEK_SET) != 0) {
    error_ = SystemError("no se puede vaciar", partPath_);
    return false;
  }
  written_ = 0;
  onDisk_ = 0;
  writebackStarted_ = 0;
  return true;
}

bool PartialDownload::Write(const char* data, std::size_t size) {
  if (buffer_.capacity() < kWriteBufferBytes) buffer_.reserve(kWriteBufferBytes);
  if (buffer_.size() + size > kWriteBufferBytes && !Flush()) return false;
  buffer_.insert(buffer_.end(), data, data + size);
  written_ += static_cast<int64_t>(size);
  return buffer_.size() < kWriteBufferBytes || Flush();
}

bool PartialDownload::Flush() {
  const char* data = buffer_.data();
  std::size_t size = buffer_.size();
  while (size > 0) {
    const ssize_t put = ::write(fd_.Get(), data, size);
    if (put < 0) {
      if (errno == EINTR) continue;
      error_ = SystemError("no se puede escribir", partPath_);
      return false;
    }
    data += put;
    size -= static_cast<std::size_t>(put);
    onDisk_ += put;
  }
  buffer_.clear();
  if (onDisk_ - writebackStarted_ >= kWritebackBytes) {
    ::sync_file_range(fd_.Get(), writebackStarted_, onDisk_ - writebackStarted_, SYNC_FILE_RANGE_WRITE);
    writebackStarted_ = onDisk_;
  }
  return true;
}

bool PartialDownload::Finish() {
  if (!Flush()) return false;
  std::vector<char>().swap(buffer_);
  if (!fd_.Close()) {
    error_ = SystemError("no se puede cerrar", partPath_);
    return false;
  }
  return true;
}

bool PartialDownload::PutInPlace() {
  if (modified_ >= 0) {
    const timespec times[2] = {{0, UTIME_NOW}, {static_cast<time_t>(modified_), 0}};
    if (::utimensat(AT_FDCWD, partPath_.c_str(), times, 0) != 0) {
      error_ = SystemError("no se puede fechar", partPath_);
      return false;
    }
  }
  if (::rename(partPath_.c_str(), finalPath_.c_str()) != 0) {
    error_ = SystemError("no se puede poner en su sitio", finalPath_);
    return false;
  }
  committed_ = true;
  return true;
}

}  // namespace tramvel::zariz
