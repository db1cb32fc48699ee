#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tramvel::zariz {

// An open file descriptor, closed when it goes.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd();

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes now and says whether the system took all of it; errno tells why not.
  bool Close();

 private:
  int fd_ = -1;
};

// `name` in `folder`.
std::string LocalPath(const std::string& folder, const std::string& name);

struct LocalListing {
  std::vector<std::string> names;  // the files directly in the folder, sorted
  std::string error;               // why the folder could not be read
};

// Regular files directly in `folder` (hidden ones too, and links to files);
// sub-folders and their contents are not part of a send.
LocalListing FilesDirectlyIn(const std::string& folder);

// Makes `folder` and its missing parents; the reason on failure.
std::string MakeFolder(const std::string& folder);

// Asks the system to keep the folder's entries (renames done in it) on disk.
void FlushFolder(const std::string& folder);

// Writes whatever the file system holding `folder` still keeps in memory to
// disk: for many received files at once, one flush costs far less than one
// each. The reason on failure.
std::string FlushFileSystem(const std::string& folder);

// A local file being sent.
class SourceFile {
 public:
  explicit SourceFile(const std::string& path);

  const std::string& Error() const { return error_; }
  bool IsOpen() const { return fd_.IsOpen(); }
  int64_t Size() const { return size_; }
  // Back to the first byte, for another try.
  bool Rewind();
  // Up to `size` bytes; 0 at the end; -1 on a read error (see Error()).
  ssize_t Read(char* buffer, std::size_t size);

 private:
  std::string path_;
  UniqueFd fd_;
  int64_t size_ = 0;
  std::string error_;
};

// A file being received: it is written in the hidden folder ".zariz" of the
// destination, which no listing of the job's looks into, and it only takes
// its place in the destination by a rename once it is complete and on disk
// (FlushFileSystem in between), so an interrupted download never leaves part
// of a file where the job would take it for the whole, nor spoils an older
// file of the same name. Whatever is not put in place is removed when the
// object goes.
class PartialDownload {
 public:
  PartialDownload(const std::string& folder, const std::string& name);
  ~PartialDownload();
  PartialDownload(const PartialDownload&) = delete;
  PartialDownload& operator=(const PartialDownload&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Error() const { return error_; }
  bool IsOpen() const { return fd_.IsOpen(); }
  int64_t Written() const { return written_; }
  // Empties the file for another try.
  bool Restart();
  // All of `size` bytes, or false (see Error()).
  bool Write(const char* data, std::size_t size);
  // Hands all of it to the system and closes it.
  bool Finish();
  // The web file's modification time, which the received file takes.
  void KeepModificationTime(int64_t secondsSince1970) { modified_ = secondsSince1970; }
  // Renames it into the destination; only once it is on disk.
  bool PutInPlace();

 private:
  bool Flush();

  std::string name_;
  std::string partPath_;
  std::string finalPath_;
  UniqueFd fd_;
  int64_t written_ = 0;
  int64_t onDisk_ = 0;           // bytes handed to the system
  int64_t writebackStarted_ = 0; // bytes the disk has been asked to take
  std::vector<char> buffer_;
  bool committed_ = false;
  int64_t modified_ = -1;
  std::string error_;
};

// The hidden working folder of PartialDownload, removed when a fetch leaves
// it empty.
std::string PartFolder(const std::string& folder);
void RemovePartFolderIfEmpty(const std::string& folder);

}  // namespace tramvel::zariz
