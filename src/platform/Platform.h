#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Failure.h"
#include "platform/Operator.h"

namespace tramvel {

// How a file is opened.
enum class OpenMode {
  kRead,       // existing file, reading from its start
  kWrite,      // created or truncated, writing from its start
  kAppend,     // created when missing, writing at its end; a symbolic link at
               // its name is refused (75), as error and log files open this way
  kReadWrite,  // created when missing, never truncated; random access
};

// An open file. Closed when the object goes. Every failure raises a Failure.
class File {
 public:
  virtual ~File() = default;

  // Reads up to buffer.size() bytes at the current position and returns how
  // many were read: fewer only at the end of the file, 0 there.
  virtual std::size_t Read(std::span<std::byte> buffer) = 0;

  // Writes every byte at the current position. A full disk raises 61.
  virtual void Write(std::span<const std::byte> data) = 0;

  // Moves the position to an absolute byte offset (may lie past the end).
  virtual void Seek(uint64_t offset) = 0;

  // The file's current length in bytes.
  virtual uint64_t Length() = 0;

  // Cuts or extends the file to exactly `length` bytes.
  virtual void SetLength(uint64_t length) = 0;

  // Hands buffered bytes to the operating system (and to the disk when
  // `durable`), so a later rename publishes a complete file.
  virtual void Flush(bool durable) = 0;

  // Copies the next `count` bytes of this file to `destination`, each at its
  // current position, and returns how many were copied: fewer only at the end
  // of this file. An implementation may copy inside the operating system;
  // this one reads and writes through a buffer.
  virtual std::size_t CopyTo(File& destination, std::size_t count);
};

// A watched process: 0 means "not open for watching".
using ProcessHandle = int64_t;
inline constexpr uint32_t kStillActive = 259;

// How a started program's window shows (kept because callers pass one, as on Windows;
// programs on this platform have no window of their own to style).
enum class WindowStyle {
  kHide = 0,
  kNormalFocus = 1,
  kMinimizedFocus = 2,
  kMaximizedFocus = 3,
  kNormalNoFocus = 4,
  kMinimizedNoFocus = 6,
};

enum class OutputStream { kStandardOutput, kStandardError };

// Everything that touches the outside world: files, processes, clock,
// environment, and the way to the operator. Paths are the system's own
// Windows-style texts ("C:\RECIBIR\A.TXT"); each implementation maps them at
// this boundary only. A path whose ".." climbs above its drive's root names
// nothing: it fails as a missing path (76), and a drive's own folder is made
// when something is first created in it. Every method reports failure by
// raising a Failure with the number Windows would give it; none returns an
// error code unless its comment says so.
//
// The real implementation comes from NewRealPlatform() (RealPlatform.h); tests
// wrap it with PlatformWrapper and override only what they break.
class Platform {
 public:
  virtual ~Platform() = default;

  // ----- files and folders -----

  // Names (no folder) of the entries directly in `folder`, in the order the
  // file system gives them. Files only, or files and sub-folders when
  // `includeFolders`. A missing folder gives an empty list, never a failure.
  virtual std::vector<std::string> ListFolder(const std::string& folder, bool includeFolders) = 0;

  // True when `path` names an existing regular file / folder. Never raises.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;

  // Creates one folder level. An existing entry raises 75; a missing parent 76.
  virtual void CreateFolder(const std::string& path) = 0;

  // Deletes a file. Missing: 53; not deletable: 75.
  virtual void DeleteFile(const std::string& path) = 0;

  // Renames a file, replacing an existing target. Missing source: 53.
  virtual void RenameFile(const std::string& from, const std::string& to) = 0;

  // Renames a file to a name that nothing has yet, as Windows' MoveFile does:
  // false, and nothing changed, when an entry exists at `to` as written.
  // Missing source: 53.
  virtual bool RenameFileIfFree(const std::string& from, const std::string& to) = 0;

  // True when writing to `second` would write to the existing file that
  // `first` names (the same device and inode, reached through another
  // spelling, a link or the letter case of its folders). Never raises.
  virtual bool SameFile(const std::string& first, const std::string& second) = 0;

  // Opens a file. A missing file for kRead raises 53; a folder or a file
  // that may not be opened 75; a missing parent folder 76.
  virtual std::unique_ptr<File> OpenFile(const std::string& path, OpenMode mode) = 0;

  // The native path that `path` maps to, for a library that opens files
  // itself (the database engine). Raises only for a path that leaves its
  // drive (76).
  virtual std::string NativePath(const std::string& path) = 0;

  // Makes every file and folder written so far on the file system that holds
  // `path` (a file or a folder) survive a power cut: when it returns, what
  // was written there is on the disk, not only in memory. Slow (it may write
  // out all the file system's pending data): call it once for a batch of
  // files, before acting on their being safe. A missing `path` raises 53 or
  // 76; a disk that fails to take the data 57 or 61.
  virtual void SyncFileSystem(const std::string& path) = 0;

  // ----- processes -----

  // Starts a Windows-style command line: the program path is not quoted and
  // may hold blanks, so the program is the longest prefix ending before a
  // blank (or the whole line) that names an executable file, and everything
  // after that blank reaches the program unchanged as its single argument.
  // Windows takes the shortest prefix that names a file; the longest one
  // keeps a file "/tmp/my" from standing in for "/tmp/my bin/zariz.exe".
  // Returns the process id. No such program: 53; a file that cannot be
  // started: 5.
  virtual int64_t StartProcess(const std::string& commandLine, WindowStyle style) = 0;

  // Opens a started process for querying; 0 when it cannot be watched.
  virtual ProcessHandle OpenProcess(int64_t processId) = 0;

  // Reads the exit code into `code`: kStillActive while the program runs,
  // its exit status once it has ended normally, 128 + the signal number when
  // a signal ended it. False (and `code` untouched) for handle 0 or an
  // unknown handle.
  virtual bool GetExitCode(ProcessHandle handle, uint32_t& code) = 0;

  // Releases a handle from OpenProcess; 0 and unknown handles are ignored.
  virtual void CloseHandle(ProcessHandle handle) = 0;

  // Sleeps `milliseconds`.
  virtual void Sleep(int milliseconds) = 0;

  // Sleeps `milliseconds`, or less when the watched process ends first.
  virtual void SleepUnlessEnded(ProcessHandle handle, int milliseconds) = 0;

  // ----- clock and environment -----

  // The local date and time.
  virtual DateTime Now() = 0;

  // An environment variable; nullopt when not set.
  virtual std::optional<std::string> GetEnv(const std::string& name) = 0;

  // A folder for this user's temporary files when the environment names
  // none, as Windows keeps one per user: created on first use, open to this
  // user only (mode 0700). Never raises: a folder that cannot be made shows
  // up when a file is opened in it.
  virtual std::string PrivateTempFolder() = 0;

  virtual std::string ComputerName() = 0;
  virtual std::string UserName() = 0;

  // The folder of the running executable, without a closing separator.
  virtual std::string ProgramFolder() = 0;

  // The executable's file name without folder and extension.
  virtual std::string ExecutableName() = 0;

  // The text after the program's own path on the command line that started it.
  virtual std::string CommandLine() = 0;

  // Writes text (no line end added) to the process's standard output or error.
  virtual void Write(OutputStream stream, std::string_view text) = 0;

  // ----- the operator -----

  // The operator of this run, chosen when the program started; it lives as
  // long as the platform. (Inside a class derived from Platform the bare
  // name Operator means this method, so the type is written tramvel::Operator.)
  virtual tramvel::Operator& Operator() = 0;
};

// Forwards every call to another platform; a test derives from it and
// overrides only what it changes.
class PlatformWrapper : public Platform {
 public:
  explicit PlatformWrapper(Platform& target) : target_(target) {}

  Platform& Target() const { return target_; }

  std::vector<std::string> ListFolder(const std::string& folder, bool includeFolders) override {
    return target_.ListFolder(folder, includeFolders);
  }
  bool FileExists(const std::string& path) override { return target_.FileExists(path); }
  bool FolderExists(const std::string& path) override { return target_.FolderExists(path); }
  void CreateFolder(const std::string& path) override { target_.CreateFolder(path); }
  void DeleteFile(const std::string& path) override { target_.DeleteFile(path); }
  void RenameFile(const std::string& from, const std::string& to) override { target_.RenameFile(from, to); }
  bool RenameFileIfFree(const std::string& from, const std::string& to) override {
    return target_.RenameFileIfFree(from, to);
  }
  bool SameFile(const std::string& first, const std::string& second) override {
    return target_.SameFile(first, second);
  }
  std::unique_ptr<File> OpenFile(const std::string& path, OpenMode mode) override {
    return target_.OpenFile(path, mode);
  }
  std::string NativePath(const std::string& path) override { return target_.NativePath(path); }
  void SyncFileSystem(const std::string& path) override { target_.SyncFileSystem(path); }
  int64_t StartProcess(const std::string& commandLine, WindowStyle style) override {
    return target_.StartProcess(commandLine, style);
  }
  ProcessHandle OpenProcess(int64_t processId) override { return target_.OpenProcess(processId); }
  bool GetExitCode(ProcessHandle handle, uint32_t& code) override { return target_.GetExitCode(handle, code); }
  void CloseHandle(ProcessHandle handle) override { target_.CloseHandle(handle); }
  void Sleep(int milliseconds) override { target_.Sleep(milliseconds); }
  void SleepUnlessEnded(ProcessHandle handle, int milliseconds) override {
    target_.SleepUnlessEnded(handle, milliseconds);
  }
  DateTime Now() override { return target_.Now(); }
  std::optional<std::string> GetEnv(const std::string& name) override { return target_.GetEnv(name); }
  std::string PrivateTempFolder() override { return target_.PrivateTempFolder(); }
  std::string ComputerName() override { return target_.ComputerName(); }
  std::string UserName() override { return target_.UserName(); }
  std::string ProgramFolder() override { return target_.ProgramFolder(); }
  std::string ExecutableName() override { return target_.ExecutableName(); }
  std::string CommandLine() override { return target_.CommandLine(); }
  void Write(OutputStream stream, std::string_view text) override { target_.Write(stream, text); }
  tramvel::Operator& Operator() override { return target_.Operator(); }

 private:
  Platform& target_;
};

}  // namespace tramvel
