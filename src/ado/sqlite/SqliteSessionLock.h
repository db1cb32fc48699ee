#pragma once

#include <map>
#include <string>
#include <string_view>

#include "ado/Errors.h"

namespace tramvel::ado::sqlite {

// The embedded engine's session locks: an exclusive lock (flock) on the file
// "<database file>.<resource>.lock" beside the database, held while the file
// stays open. flock locks belong to the open file, so a second connection of
// the same process is refused as one of another process is, and a process
// that dies leaves no lock behind.
class FileLocks {
 public:
  FileLocks() = default;
  ~FileLocks();
  FileLocks(const FileLocks&) = delete;
  FileLocks& operator=(const FileLocks&) = delete;

  // False when another connection holds it; a lock file that cannot be
  // opened is an error appended to `errors`. A lock already held here stays.
  bool Acquire(const std::string& databaseFile, std::string_view resource, ErrorList& errors);
  void Release(std::string_view resource);

 private:
  std::map<std::string, int> held_;  // resource -> open lock file
};

}  // namespace tramvel::ado::sqlite
