#include "TestPlatform.h"

#include <filesystem>

#include "platform/RealPlatform.h"

namespace tramvel::testing {
namespace {

// A real file whose reads, writes, length changes and flushes may be made to
// fail. A copy goes to the real file, so that the copy between two real
// files, inside the operating system, is what runs under test too.
class WatchedFile final : public File {
 public:
  WatchedFile(std::unique_ptr<File> real, std::function<void(Op)> before)
      : real_(std::move(real)), before_(std::move(before)) {}
  std::size_t Read(std::span<std::byte> buffer) override {
    before_(Op::kReadFile);
    return real_->Read(buffer);
  }
  void Write(std::span<const std::byte> data) override {
    before_(Op::kWriteFile);
    real_->Write(data);
  }
  void Seek(uint64_t offset) override { real_->Seek(offset); }
  uint64_t Length() override { return real_->Length(); }
  void SetLength(uint64_t length) override {
    before_(Op::kSetLength);
    real_->SetLength(length);
  }
  void Flush(bool durable) override {
    before_(Op::kFlushFile);
    real_->Flush(durable);
  }
  std::size_t CopyTo(File& destination, std::size_t count) override {
    before_(Op::kReadFile);
    auto* watched = dynamic_cast<WatchedFile*>(&destination);
    if (!watched) return real_->CopyTo(destination, count);
    watched->before_(Op::kWriteFile);
    return real_->CopyTo(*watched->real_, count);
  }

 private:
  std::unique_ptr<File> real_;
  std::function<void(Op)> before_;
};

}  // namespace

RealPlatformHolder::RealPlatformHolder(const std::string& driveCRoot)
    : real(NewRealPlatform({"", driveCRoot, nullptr})) {}

TestPlatform::TestPlatform(const std::string& driveCRoot)
    : RealPlatformHolder(driveCRoot), PlatformWrapper(*real), driveCRoot_(driveCRoot), programFolder_(driveCRoot) {}

void TestPlatform::Fail(Op op, int nth, Times times, Failure failure, std::string contains) {
  faults_.push_back(Fault{op, nth, times, std::move(failure), std::move(contains)});
}

bool TestPlatform::Hit(Op op, const std::string& subject, bool raise) {
  for (Fault& fault : faults_) {
    if (fault.op != op || subject.find(fault.contains) == std::string::npos) continue;
    ++fault.seen;
    if (fault.seen == fault.nth || (fault.times == Times::kFromThenOn && fault.seen > fault.nth)) {
      if (raise) throw fault.failure;
      return true;
    }
  }
  return false;
}

std::vector<std::string> TestPlatform::ListFolder(const std::string& folder, bool includeFolders) {
  Hit(Op::kListFolder, folder);
  return PlatformWrapper::ListFolder(folder, includeFolders);
}

bool TestPlatform::FileExists(const std::string& path) {
  return !Hit(Op::kFileExists, path, false) && PlatformWrapper::FileExists(path);
}

void TestPlatform::CreateFolder(const std::string& path) {
  Hit(Op::kCreateFolder, path);
  PlatformWrapper::CreateFolder(path);
}

void TestPlatform::DeleteFile(const std::string& path) {
  Hit(Op::kDeleteFile, path);
  PlatformWrapper::DeleteFile(path);
}

void TestPlatform::RenameFile(const std::string& from, const std::string& to) {
  Hit(Op::kRenameFile, from);
  PlatformWrapper::RenameFile(from, to);
}

bool TestPlatform::RenameFileIfFree(const std::string& from, const std::string& to) {
  Hit(Op::kRenameFile, from);
  return PlatformWrapper::RenameFileIfFree(from, to);
}

std::unique_ptr<File> TestPlatform::OpenFile(const std::string& path, OpenMode mode) {
  Hit(Op::kOpenFile, path);
  return std::make_unique<WatchedFile>(PlatformWrapper::OpenFile(path, mode), [this, path](Op op) { Hit(op, path); });
}

void TestPlatform::SyncFileSystem(const std::string& path) {
  journal_.push_back("sync " + path);
  Hit(Op::kSyncFileSystem, path);
  PlatformWrapper::SyncFileSystem(path);
}

int64_t TestPlatform::StartProcess(const std::string& commandLine, WindowStyle style) {
  started_.push_back(commandLine);
  journal_.push_back("start " + commandLine);
  Hit(Op::kStartProcess, commandLine);
  const int64_t id = PlatformWrapper::StartProcess(commandLine, style);
  if (endBeforeWatching_) AwaitEnd(id);
  return id;
}

void TestPlatform::AwaitEnd(int64_t processId) {
  const ProcessHandle handle = PlatformWrapper::OpenProcess(processId);
  AwaitEndOf(handle);
  PlatformWrapper::CloseHandle(handle);
}

void TestPlatform::AwaitEndOf(ProcessHandle handle) {
  uint32_t code = 0;
  while (PlatformWrapper::GetExitCode(handle, code) && code == kStillActive) {
    PlatformWrapper::SleepUnlessEnded(handle, 1000);
  }
}

ProcessHandle TestPlatform::OpenProcess(int64_t processId) {
  // The program still runs on its own; only the watching is refused. Wait
  // for it here so that it cannot outlive the test's folders.
  if (Hit(Op::kOpenProcess, started_.empty() ? std::string() : started_.back(), false)) {
    AwaitEnd(processId);
    return 0;
  }
  return PlatformWrapper::OpenProcess(processId);
}

bool TestPlatform::GetExitCode(ProcessHandle handle, uint32_t& code) {
  if (Hit(Op::kGetExitCode, started_.empty() ? std::string() : started_.back(), false)) {
    // Only the reading fails: the program must not outlive the test's folders.
    AwaitEndOf(handle);
    return false;
  }
  return PlatformWrapper::GetExitCode(handle, code);
}

std::optional<std::string> TestPlatform::GetEnv(const std::string& name) {
  const auto it = env_.find(name);
  if (it != env_.end()) return it->second;
  return PlatformWrapper::GetEnv(name);
}

std::string TestPlatform::PrivateTempFolder() {
  const std::filesystem::path folder = std::filesystem::path(driveCRoot_) / "UserTemp";
  std::filesystem::create_directories(folder);
  return folder.string();
}

}  // namespace tramvel::testing
