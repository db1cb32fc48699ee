#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedOperator.h"
#include "platform/Platform.h"

namespace tramvel::testing {

// Operations a test can make fail. Those that never raise fail the way
// their callers can see.
enum class Op {
  kListFolder,
  kFileExists,  // "fails" by answering false
  kCreateFolder,
  kDeleteFile,
  kRenameFile,
  kOpenFile,
  kReadFile,
  kWriteFile,  // also a copy into the file
  kSetLength,
  kFlushFile,
  kStartProcess,
  kOpenProcess,   // "fails" by giving handle 0
  kGetExitCode,   // "fails" by answering false, the code untouched
  kSyncFileSystem,
};

// Whether a fault hits one call only or every matching call from then on.
enum class Times { kOnce, kFromThenOn };

// Holds the real platform so that it is built before the wrapper around it.
struct RealPlatformHolder {
  explicit RealPlatformHolder(const std::string& driveCRoot);
  std::unique_ptr<Platform> real;
};

// The real platform with a fixed clock, a scripted operator that records
// every box, captured output, a program folder and command line of the test's
// choosing, and faults that hit the Nth matching call once or from then on.
// Drive C: is the test's own folder. Each test builds its own.
class TestPlatform : private RealPlatformHolder, public PlatformWrapper {
 public:
  explicit TestPlatform(const std::string& driveCRoot);

  // ----- what the test sets -----
  void SetNow(const DateTime& now) { now_ = now; }
  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
  void SetCommandLine(std::string line) { commandLine_ = std::move(line); }
  void SetEnv(const std::string& name, std::optional<std::string> value) { env_[name] = std::move(value); }
  void SetComputerName(std::string name) { computerName_ = std::move(name); }
  void SetUserName(std::string name) { userName_ = std::move(name); }

  // The `nth` call (1 = the next) of `op` whose path or command line holds
  // `contains` raises `failure`: that call only, or every one from it on.
  // For a process handle the subject is the last started command line.
  void Fail(Op op, int nth, Times times, Failure failure, std::string contains = {});

  // Each started program has ended before StartProcess returns, so that a
  // wait takes exactly one pass.
  void SetProgramsEndBeforeWatching(bool on) { endBeforeWatching_ = on; }

  // ----- what the test reads -----
  const std::vector<std::string>& StartedCommandLines() const { return started_; }
  // Started programs and file-system flushes in the order they came:
  // "start <command line>", "sync <path>".
  const std::vector<std::string>& Journal() const { return journal_; }
  const std::string& Output(OutputStream stream) const { return output_.at(stream); }
  // The milliseconds of each Sleep asked for, in order; none was slept.
  const std::vector<int>& Sleeps() const { return sleeps_; }

  // ----- overrides -----
  std::vector<std::string> ListFolder(const std::string& folder, bool includeFolders) override;
  bool FileExists(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
  void DeleteFile(const std::string& path) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  bool RenameFileIfFree(const std::string& from, const std::string& to) override;
  std::unique_ptr<File> OpenFile(const std::string& path, OpenMode mode) override;
  void SyncFileSystem(const std::string& path) override;
  int64_t StartProcess(const std::string& commandLine, WindowStyle style) override;
  ProcessHandle OpenProcess(int64_t processId) override;
  bool GetExitCode(ProcessHandle handle, uint32_t& code) override;
  void Sleep(int milliseconds) override { sleeps_.push_back(milliseconds); }
  DateTime Now() override { return now_; }
  std::optional<std::string> GetEnv(const std::string& name) override;
  // A folder inside the test's drive, so that no test writes to the home folder.
  std::string PrivateTempFolder() override;
  std::string ComputerName() override { return computerName_; }
  std::string UserName() override { return userName_; }
  std::string ProgramFolder() override { return programFolder_; }
  std::string ExecutableName() override { return "tramvel"; }
  std::string CommandLine() override { return commandLine_; }
  void Write(OutputStream stream, std::string_view text) override { output_[stream].append(text); }
  // The test's operator: what it answers is set, and what it was shown is
  // read, through this.
  ScriptedOperator& Operator() override { return operator_; }

 private:
  struct Fault {
    Op op;
    int nth;
    Times times;
    Failure failure;
    std::string contains;
    int seen = 0;
  };
  // Raises the fault that hits this call, if any; true when one hit.
  bool Hit(Op op, const std::string& subject, bool raise = true);
  void AwaitEnd(int64_t processId);
  void AwaitEndOf(ProcessHandle handle);

  std::string driveCRoot_;
  DateTime now_{2014, 5, 6, 18, 37, 0};
  std::string programFolder_;
  std::string commandLine_;
  std::string computerName_ = "SRV";
  std::string userName_ = "ana";
  std::map<std::string, std::optional<std::string>> env_;
  std::vector<std::string> started_;
  std::vector<std::string> journal_;
  std::vector<int> sleeps_;
  std::map<OutputStream, std::string> output_{{OutputStream::kStandardOutput, {}}, {OutputStream::kStandardError, {}}};
  std::vector<Fault> faults_;
  bool endBeforeWatching_ = false;
  ScriptedOperator operator_;
};

}  // namespace tramvel::testing
