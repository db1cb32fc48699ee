#include "platform/RealPlatform.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <thread>
#include <utility>

#include "platform/PathMapping.h"
#include "platform/PosixFailure.h"
#include "platform/PosixFile.h"
#include "platform/TextCase.h"
#include "platform/UnattendedOperator.h"
#include "platform/WindowsCommandLine.h"

extern char** environ;

namespace tramvel {
namespace {

struct Child {
  pid_t pid = 0;
  int pidfd = -1;
  bool ended = false;
  uint32_t code = 0;
};

class RealPlatform final : public Platform {
 public:
  explicit RealPlatform(RealPlatformOptions options)
      : options_(std::move(options)),
        mapper_(options_.driveCRoot ? PathMapper(*options_.driveCRoot) : PathMapper::FromEnvironment()) {
    // A log reader that goes away (tramvel ... | head) must not kill a job
    // half-way; the write fails and the job goes on.
    ::signal(SIGPIPE, SIG_IGN);
    operator_ = options_.newOperator ? options_.newOperator(*this) : std::make_unique<UnattendedOperator>(*this);
  }

  ~RealPlatform() override {
    // The outside programs go on running on their own; only our descriptors go.
    for (auto& [pid, child] : children_) {
      if (child.pidfd >= 0) ::close(child.pidfd);
    }
  }
  RealPlatform(const RealPlatform&) = delete;
  RealPlatform& operator=(const RealPlatform&) = delete;

  std::vector<std::string> ListFolder(const std::string& folder, bool includeFolders) override {
    std::vector<std::string> names;
    if (mapper_.LeavesDrive(folder)) return names;
    const std::string native = mapper_.Map(folder);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(native.c_str()), ::closedir);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      struct stat info {};
      if (::stat((native + "/" + name).c_str(), &info) != 0) continue;
      if (S_ISREG(info.st_mode) || (includeFolders && S_ISDIR(info.st_mode))) names.push_back(name);
    }
    // Windows lists names in case-insensitive order, and stored witness
    // trees and every run over a folder rely on that order.
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names) keyed.emplace_back(ToLower(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i) names[i] = std::move(keyed[i].second);
    return names;
  }

  bool FileExists(const std::string& path) override { return Is(path, S_IFREG); }
  bool FolderExists(const std::string& path) override { return Is(path, S_IFDIR); }

  void CreateFolder(const std::string& path) override {
    if (OnPath(path, true, [](const std::string& native) { return ::mkdir(native.c_str(), 0777); }) != 0) {
      throw PosixFailure(errno == ENOENT ? ENOTDIR : errno, path, Source());
    }
  }

  void DeleteFile(const std::string& path) override {
    if (OnPath(path, false, [](const std::string& native) { return ::unlink(native.c_str()); }) != 0) {
      throw PosixFailure(errno, path, Source());
    }
  }

  void RenameFile(const std::string& from, const std::string& to) override {
    if (mapper_.LeavesDrive(to)) throw PosixFailure(ENOTDIR, to, Source());
    const std::string target = mapper_.MapForCreation(to);
    if (OnPath(from, false, [&](const std::string& native) { return ::rename(native.c_str(), target.c_str()); }) != 0) {
      throw PosixFailure(errno, from, Source());
    }
  }

  bool RenameFileIfFree(const std::string& from, const std::string& to) override {
    if (mapper_.LeavesDrive(to)) throw PosixFailure(ENOTDIR, to, Source());
    const std::string target = mapper_.MapForCreation(to);
    const int result = OnPath(from, false, [&](const std::string& native) {
      int renamed = ::renameat2(AT_FDCWD, native.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
      if (renamed != 0 && errno == EINVAL) {
        // A file system without the flag: a second link is just as atomic.
        renamed = ::link(native.c_str(), target.c_str());
        if (renamed == 0) ::unlink(native.c_str());
      }
      return renamed;
    });
    if (result == 0) return true;
    if (errno == EEXIST) return false;
    throw PosixFailure(errno, from, Source());
  }

  bool SameFile(const std::string& first, const std::string& second) override {
    struct stat a {};
    struct stat b {};
    if (OnPath(first, false, [&](const std::string& native) { return ::stat(native.c_str(), &a); }) != 0) return false;
    // Where writing would go: a new name is not looked for in other letter
    // cases, which would scan its folder for every file written there.
    if (mapper_.LeavesDrive(second)) return false;
    if (::stat(mapper_.MapLexically(second).c_str(), &b) != 0 &&
        ::stat(mapper_.MapForCreation(second).c_str(), &b) != 0) {
      return false;
    }
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
  }

  std::unique_ptr<File> OpenFile(const std::string& path, OpenMode mode) override {
    int flags = O_CLOEXEC;
    switch (mode) {
      case OpenMode::kRead: flags |= O_RDONLY; break;
      case OpenMode::kWrite: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
      // Appending is how error and log files are written, often in a folder
      // that others may write to: a link planted at their name is refused.
      case OpenMode::kAppend: flags |= O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW; break;
      case OpenMode::kReadWrite: flags |= O_RDWR | O_CREAT; break;
    }
    const int fd =
        OnPath(path, mode != OpenMode::kRead, [flags](const std::string& native) { return ::open(native.c_str(), flags, 0666); });
    if (fd < 0) {
      const int error = errno;
      throw PosixFailure(error == ENOENT && mode != OpenMode::kRead ? ENOTDIR : error, path, Source());
    }
    // Only reading opens a folder without complaint.
    struct stat info {};
    if (mode == OpenMode::kRead && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
      ::close(fd);
      throw PosixFailure(EISDIR, path, Source());
    }
    return std::make_unique<PosixFile>(fd, path, Source());
  }

  std::string NativePath(const std::string& path) override {
    if (mapper_.LeavesDrive(path)) throw PosixFailure(ENOTDIR, path, Source());
    return mapper_.Map(path);
  }

  void SyncFileSystem(const std::string& path) override {
    const int fd =
        OnPath(path, false, [](const std::string& native) { return ::open(native.c_str(), O_RDONLY | O_CLOEXEC); });
    if (fd < 0) throw PosixFailure(errno, path, Source());
    const int synced = ::syncfs(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0) throw PosixFailure(error, path, Source());
  }

  int64_t StartProcess(const std::string& commandLine, WindowStyle /*style*/) override {
    // A file that no one may run is only taken when no prefix names a
    // program; starting it then fails as on Windows (5).
    const auto named = [this](bool executable) {
      return [this, executable](const std::string& program) {
        struct stat info {};
        return !mapper_.LeavesDrive(program) && ::stat(mapper_.Map(program).c_str(), &info) == 0 &&
               S_ISREG(info.st_mode) && (!executable || (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0);
      };
    };
    auto split = SplitWindowsCommandLine(commandLine, named(true));
    if (!split) split = SplitWindowsCommandLine(commandLine, named(false));
    if (!split) throw Failure(failure::kFileNotFound, "File not found '" + commandLine + "'", Source());
    const std::string executable = mapper_.Map(split->program);
    // The program sees its path as the command line wrote it, and the rest of
    // the line as one argument, exactly as Windows would hand it over.
    std::vector<char*> argv;
    std::string program = split->program;
    std::string argument = split->argument;
    argv.push_back(program.data());
    if (commandLine.size() > split->program.size()) argv.push_back(argument.data());
    argv.push_back(nullptr);
    // The outside program starts with the signals as a shell would give them.
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    ::posix_spawnattr_setsigdefault(&attributes, &defaults);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, executable.c_str(), nullptr, &attributes, argv.data(), environ);
    ::posix_spawnattr_destroy(&attributes);
    if (error != 0) {
      throw Failure(failure::kInvalidCall, "Invalid procedure call or argument '" + split->program + "'", Source());
    }
    Child child;
    child.pid = pid;
    child.pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    children_[pid] = child;
    return pid;
  }

  ProcessHandle OpenProcess(int64_t processId) override {
    if (children_.find(static_cast<pid_t>(processId)) == children_.end()) return 0;
    const ProcessHandle handle = nextHandle_++;
    handles_[handle] = static_cast<pid_t>(processId);
    return handle;
  }

  bool GetExitCode(ProcessHandle handle, uint32_t& code) override {
    Child* child = Find(handle);
    if (!child) return false;
    code = Reap(*child) ? child->code : kStillActive;
    return true;
  }

  void CloseHandle(ProcessHandle handle) override { handles_.erase(handle); }

  void Sleep(int milliseconds) override {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }

  void SleepUnlessEnded(ProcessHandle handle, int milliseconds) override {
    Child* child = Find(handle);
    if (!child || child->pidfd < 0) return Sleep(milliseconds);
    if (child->ended) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return;
      pollfd waiting{child->pidfd, POLLIN, 0};
      const int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
      if (ready < 0 && errno == EINTR) continue;
      return;
    }
  }

  DateTime Now() override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
  }

  std::optional<std::string> GetEnv(const std::string& name) override {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
  }

  std::string PrivateTempFolder() override {
    std::string cache;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/') {
      cache = xdg;
    } else {
      const char* home = std::getenv("HOME");
      const passwd* entry = home && home[0] == '/' ? nullptr : ::getpwuid(::geteuid());
      cache = std::string(home && home[0] == '/' ? home : entry ? entry->pw_dir : "/") + "/.cache";
    }
    const std::string folder = cache + "/tramvel/temp";
    // Each level this creates is this user's alone.
    MakeFolders(folder, 0700);
    return folder;
  }

  std::string ComputerName() override {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    std::string host = name;
    return host.substr(0, host.find('.'));
  }

  std::string UserName() override {
    if (const passwd* entry = ::getpwuid(::geteuid())) return entry->pw_name;
    return GetEnv("USER").value_or("");
  }

  std::string ProgramFolder() override {
    const std::string exe = ExecutablePath();
    const auto slash = exe.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : exe.substr(0, slash == 0 ? 1 : slash);
  }

  std::string ExecutableName() override {
    const std::string exe = ExecutablePath();
    std::string name = exe.substr(exe.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  }

  std::string CommandLine() override { return options_.commandLine; }

  void Write(OutputStream stream, std::string_view text) override {
    std::FILE* out = stream == OutputStream::kStandardError ? stderr : stdout;
    std::fwrite(text.data(), 1, text.size(), out);
    std::fflush(out);
  }

  tramvel::Operator& Operator() override { return *operator_; }

 private:
  std::string Source() { return ExecutableName(); }

  // Runs a system call on the path as written and, when that finds nothing,
  // once more with its letter case resolved: the common case costs one call.
  // A path that leaves its drive fails as a missing path would.
  template <typename Call>
  int OnPath(const std::string& path, bool creating, const Call& call) {
    if (mapper_.LeavesDrive(path)) {
      errno = ENOTDIR;
      return -1;
    }
    const std::string lexical = mapper_.MapLexically(path);
    int result = call(lexical);
    if (result < 0 && creating && (errno == ENOENT || errno == ENOTDIR) && MadeDriveRoot(path)) result = call(lexical);
    if (result >= 0 || (errno != ENOENT && errno != ENOTDIR)) return result;
    const int error = errno;
    const std::string resolved = creating ? mapper_.MapForCreation(path) : mapper_.Map(path);
    if (resolved == lexical) {
      errno = error;
      return result;
    }
    return call(resolved);
  }

  // A drive's folder belongs to this system, not to the operator: on a
  // fresh machine it is made, with its parents, when something is first
  // created in it. True when it was missing and is there now.
  bool MadeDriveRoot(const std::string& path) {
    const int error = errno;
    const std::optional<std::string> root = mapper_.RootOf(path);
    if (!root || IsNative(*root, S_IFDIR)) {
      errno = error;
      return false;
    }
    MakeFolders(*root, 0777);
    const bool made = IsNative(*root, S_IFDIR);
    errno = error;
    return made;
  }

  static bool IsNative(const std::string& native, mode_t kind) {
    struct stat info {};
    return ::stat(native.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
  }

  bool Is(const std::string& path, mode_t kind) {
    struct stat info {};
    return OnPath(path, false, [&](const std::string& native) { return ::stat(native.c_str(), &info); }) == 0 &&
           (info.st_mode & S_IFMT) == kind;
  }

  Child* Find(ProcessHandle handle) {
    const auto h = handles_.find(handle);
    if (h == handles_.end()) return nullptr;
    const auto c = children_.find(h->second);
    return c == children_.end() ? nullptr : &c->second;
  }

  // True once the child has ended; its code is then known.
  bool Reap(Child& child) {
    if (child.ended) return true;
    int status = 0;
    pid_t reaped = 0;
    do {
      reaped = ::waitpid(child.pid, &status, WNOHANG);
    } while (reaped < 0 && errno == EINTR);
    if (reaped == 0) return false;
    child.ended = true;
    if (reaped < 0) {
      child.code = 1;  // lost track of it: never report success we cannot prove
    } else if (WIFEXITED(status)) {
      child.code = static_cast<uint32_t>(WEXITSTATUS(status));
    } else {
      child.code = 128u + static_cast<uint32_t>(WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    }
    if (child.pidfd >= 0) {
      ::close(child.pidfd);
      child.pidfd = -1;
    }
    return true;
  }

  std::string ExecutablePath() {
    if (executablePath_.empty()) {
      char buffer[4096] = {};
      const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
      executablePath_ = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string("./tramvel");
    }
    return executablePath_;
  }

  RealPlatformOptions options_;
  PathMapper mapper_;
  std::map<pid_t, Child> children_;
  std::map<ProcessHandle, pid_t> handles_;
  ProcessHandle nextHandle_ = 1;
  std::string executablePath_;
  // Built last, from the finished platform; gone first.
  std::unique_ptr<tramvel::Operator> operator_;
};

}  // namespace

std::unique_ptr<Platform> NewRealPlatform(RealPlatformOptions options) {
  return std::make_unique<RealPlatform>(std::move(options));
}

}  // namespace tramvel
