#include "TestPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FailureOf.h"
#include "StandIns.h"
#include "TempFolder.h"

namespace tramvel::testing {
namespace {

std::span<const std::byte> Bytes(std::string_view text) { return std::as_bytes(std::span(text.data(), text.size())); }

class TestPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFile(temp.path() / "A.TXT", "abcdef"); }

  std::string Content(const std::string& name) { return ReadFile(temp.path() / name); }

  TempFolder temp;
  TestPlatform platform{temp.str()};
};

// Between two files of the test platform the copy is the real files' own,
// inside the operating system.
TEST_F(TestPlatformTest, ACopyBetweenItsFilesIsTheRealFilesCopy) {
  {
    const auto from = platform.OpenFile("C:\\A.TXT", OpenMode::kRead);
    const auto to = platform.OpenFile("C:\\B.TXT", OpenMode::kWrite);
    EXPECT_EQ(from->CopyTo(*to, 100), 6u);
  }
  EXPECT_EQ(Content("B.TXT"), "abcdef");
}

// The operating system refuses a copy onto an overlapping part of the same
// file; the copy then goes through memory and still copies every byte.
TEST_F(TestPlatformTest, ACopyTheSystemRefusesFallsBackToReadingAndWriting) {
  {
    const auto from = platform.OpenFile("C:\\A.TXT", OpenMode::kRead);
    const auto to = platform.OpenFile("C:\\A.TXT", OpenMode::kReadWrite);
    to->Seek(2);
    EXPECT_EQ(from->CopyTo(*to, 4), 4u);
  }
  EXPECT_EQ(Content("A.TXT"), "ababcd");
}

struct FileFault {
  const char* name;
  Op op;
  std::function<void(File& a, File& b)> action;
};

class FileFaults : public TestPlatformTest, public ::testing::WithParamInterface<FileFault> {};

TEST_P(FileFaults, RaiseTheFailureAndLeaveTheFileAsItWas) {
  platform.Fail(GetParam().op, 1, Times::kOnce, Failure(57, "Device I/O error"), "A.TXT");
  {
    const auto a = platform.OpenFile("C:\\A.TXT", OpenMode::kReadWrite);
    const auto b = platform.OpenFile("C:\\B.TXT", OpenMode::kReadWrite);
    EXPECT_EQ(FailureOf([&] { GetParam().action(*a, *b); }), 57);
    // Once: the next call goes through.
    EXPECT_EQ(FailureOf([&] { GetParam().action(*a, *b); }), 0);
  }
  EXPECT_EQ(Content("A.TXT").substr(0, 3), "abc");
}

const FileFault kFileFaults[] = {
    {"Read", Op::kReadFile, [](File& a, File&) { std::byte buffer[4]; a.Read(buffer); }},
    {"CopyOut", Op::kReadFile, [](File& a, File& b) { a.CopyTo(b, 3); }},
    {"CopyIn", Op::kWriteFile, [](File& a, File& b) { b.CopyTo(a, 3); }},
    {"Write", Op::kWriteFile, [](File& a, File&) { a.Write(Bytes("")); }},
    {"SetLength", Op::kSetLength, [](File& a, File&) { a.SetLength(6); }},
    {"Flush", Op::kFlushFile, [](File& a, File&) { a.Flush(true); }},
};

INSTANTIATE_TEST_SUITE_P(Ops, FileFaults, ::testing::ValuesIn(kFileFaults),
                         [](const auto& c) { return std::string(c.param.name); });

TEST_F(TestPlatformTest, AFileThatFailsToBeFoundIsMissingOnceOrFromThenOn) {
  platform.Fail(Op::kFileExists, 1, Times::kOnce, Failure(0, ""), "A.TXT");
  EXPECT_FALSE(platform.FileExists("C:\\A.TXT"));
  EXPECT_TRUE(platform.FileExists("C:\\A.TXT"));
  platform.Fail(Op::kFileExists, 2, Times::kFromThenOn, Failure(0, ""), "A.TXT");
  EXPECT_TRUE(platform.FileExists("C:\\A.TXT"));
  EXPECT_FALSE(platform.FileExists("C:\\A.TXT"));
  EXPECT_FALSE(platform.FileExists("C:\\A.TXT"));
}

TEST_F(TestPlatformTest, AFailedExitCodeReadingLeavesTheCodeAndTheProgramHasEnded) {
  InstallStandIn(temp.path(), "p.exe", 7);
  platform.Fail(Op::kGetExitCode, 1, Times::kOnce, Failure(0, ""), "p.exe");
  const ProcessHandle handle = platform.OpenProcess(platform.StartProcess(temp.str() + "/p.exe X", WindowStyle::kHide));
  uint32_t code = 123;
  EXPECT_FALSE(platform.GetExitCode(handle, code));
  EXPECT_EQ(code, 123u);
  EXPECT_TRUE(platform.GetExitCode(handle, code));
  EXPECT_EQ(code, 7u);
  platform.CloseHandle(handle);
}

TEST_F(TestPlatformTest, SleepsAreRecordedNotSlept) {
  platform.Sleep(250);
  platform.Sleep(1000);
  EXPECT_EQ(platform.Sleeps(), (std::vector<int>{250, 1000}));
}

}  // namespace
}  // namespace tramvel::testing
