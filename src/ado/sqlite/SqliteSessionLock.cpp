#include "ado/sqlite/SqliteSessionLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>

namespace tramvel::ado::sqlite {
namespace {

// A resource name as a part of a file name.
std::string FilePart(std::string_view resource) {
  std::string out;
  for (const char c : resource) out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return out;
}

}  // namespace

FileLocks::~FileLocks() {
  for (const auto& [resource, fd] : held_) ::close(fd);
}

bool FileLocks::Acquire(const std::string& databaseFile, std::string_view resource, ErrorList& errors) {
  if (held_.count(std::string(resource)) > 0) return true;
  const std::string path = databaseFile + "." + FilePart(resource) + ".lock";
  const int fd = databaseFile.empty() ? -1 : ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    errors.push_back({0, "Cannot open the lock file \"" + path + "\": " + std::strerror(errno), "SQLite"});
    return false;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK) {
      errors.push_back({0, "Cannot lock the file \"" + path + "\": " + std::strerror(error), "SQLite"});
    }
    return false;
  }
  held_[std::string(resource)] = fd;
  return true;
}

void FileLocks::Release(std::string_view resource) {
  const auto it = held_.find(std::string(resource));
  if (it == held_.end()) return;
  ::close(it->second);
  held_.erase(it);
}

}  // namespace tramvel::ado::sqlite
