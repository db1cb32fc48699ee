#include "platform/RealPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FailureOf.h"
#include "StandIns.h"
#include "TempFolder.h"

namespace tramvel {
namespace {

using testing::FailureOf;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

class RealPlatformTest : public ::testing::Test {
 protected:
  TempFolder temp;
  std::unique_ptr<Platform> platform = NewRealPlatform({"", temp.str(), nullptr});

  uint32_t RunToEnd(const std::string& line) {
    const ProcessHandle handle = platform->OpenProcess(platform->StartProcess(line, WindowStyle::kNormalFocus));
    uint32_t code = kStillActive;
    while (platform->GetExitCode(handle, code) && code == kStillActive) platform->SleepUnlessEnded(handle, 1000);
    platform->CloseHandle(handle);
    return code;
  }
};

TEST_F(RealPlatformTest, FileErrorsCarryWindowsNumbers) {
  WriteFile(temp.path() / "ENVIAR" / "A.TXT", "a");
  EXPECT_EQ(FailureOf([&] { platform->DeleteFile("C:\\ENVIAR\\MISSING.TXT"); }), failure::kFileNotFound);
  EXPECT_EQ(FailureOf([&] { platform->CreateFolder("C:\\ENVIAR\\"); }), failure::kPathFileAccess);
  EXPECT_EQ(FailureOf([&] { platform->CreateFolder("C:\\NO\\SUCH\\"); }), failure::kPathNotFound);
  EXPECT_EQ(FailureOf([&] { platform->SyncFileSystem("C:\\NO\\SUCH\\"); }), failure::kFileNotFound);
  EXPECT_EQ(FailureOf([&] { platform->SyncFileSystem("c:\\enviar\\a.txt"); }), 0);
  EXPECT_EQ(FailureOf([&] { platform->OpenFile("C:\\ENVIAR\\NONE.TXT", OpenMode::kRead); }), failure::kFileNotFound);
  EXPECT_EQ(FailureOf([&] { platform->OpenFile("C:\\ENVIAR", OpenMode::kRead); }), failure::kPathFileAccess);
  EXPECT_EQ(FailureOf([&] { platform->DeleteFile("c:\\enviar\\a.txt"); }), 0);
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "ENVIAR" / "A.TXT"));
}

TEST_F(RealPlatformTest, APathLeavingTheDriveNamesNothing) {
  const fs::path drive = temp.path() / "C";
  const auto inside = NewRealPlatform({"", drive.string(), nullptr});
  WriteFile(temp.path() / "victim.txt", "keep");
  fs::create_directories(drive / "ENVIAR");
  const std::string escape = "C:\\ENVIAR\\..\\..\\victim.txt";
  EXPECT_FALSE(inside->FileExists(escape));
  EXPECT_FALSE(inside->SameFile(escape, escape));
  EXPECT_TRUE(inside->ListFolder("C:\\..\\", true).empty());
  EXPECT_EQ(FailureOf([&] { inside->DeleteFile(escape); }), failure::kPathNotFound);
  EXPECT_EQ(FailureOf([&] { inside->OpenFile(escape, OpenMode::kRead); }), failure::kPathNotFound);
  EXPECT_EQ(FailureOf([&] { inside->OpenFile("C:\\..\\new.txt", OpenMode::kWrite); }), failure::kPathNotFound);
  EXPECT_EQ(FailureOf([&] { inside->NativePath(escape); }), failure::kPathNotFound);
  EXPECT_EQ(ReadFile(temp.path() / "victim.txt"), "keep");
  EXPECT_FALSE(fs::exists(temp.path() / "new.txt"));
}

TEST_F(RealPlatformTest, ADriveFolderIsMadeWhenSomethingIsFirstCreatedInIt) {
  const fs::path drive = temp.path() / "fresh" / "share" / "C";
  const auto fresh = NewRealPlatform({"", drive.string(), nullptr});
  EXPECT_FALSE(fresh->FolderExists("C:\\ENVIAR\\"));
  EXPECT_FALSE(fs::exists(drive));
  fresh->CreateFolder("C:\\ENVIAR\\");
  EXPECT_TRUE(fs::is_directory(drive / "ENVIAR"));
  // Only a drive's own folder is made: a missing folder inside it stays missing.
  EXPECT_EQ(FailureOf([&] { fresh->CreateFolder("C:\\NO\\SUCH\\"); }), failure::kPathNotFound);
}

TEST_F(RealPlatformTest, AppendingRefusesALinkAtTheFilesName) {
  WriteFile(temp.path() / "target.txt", "mine");
  fs::create_symlink(temp.path() / "target.txt", temp.path() / "Script953.TXT");
  EXPECT_EQ(FailureOf([&] { platform->OpenFile("C:\\Script953.TXT", OpenMode::kAppend); }), failure::kPathFileAccess);
  EXPECT_EQ(ReadFile(temp.path() / "target.txt"), "mine");
}

TEST_F(RealPlatformTest, SameFileSeesWhereAWriteWouldGo) {
  WriteFile(temp.path() / "R" / "A.TXT", "a");
  WriteFile(temp.path() / "R" / "B.TXT", "a");
  fs::create_hard_link(temp.path() / "R" / "A.TXT", temp.path() / "LINK.TXT");
  EXPECT_TRUE(platform->SameFile("C:\\R\\A.TXT", "c:\\r\\A.TXT"));
  EXPECT_TRUE(platform->SameFile("c:\\r\\a.txt", temp.str() + "/LINK.TXT"));
  // Writing to "a.txt" would make a new file beside "A.TXT".
  EXPECT_FALSE(platform->SameFile("C:\\R\\A.TXT", "C:\\R\\a.txt"));
  EXPECT_FALSE(platform->SameFile("C:\\R\\A.TXT", "C:\\R\\B.TXT"));
  EXPECT_FALSE(platform->SameFile("C:\\R\\A.TXT", "C:\\R\\NONE.TXT"));
}

TEST_F(RealPlatformTest, RenameIfFreeNeverReplaces) {
  WriteFile(temp.path() / "A.TXT", "new");
  WriteFile(temp.path() / "B.TXT", "old");
  EXPECT_FALSE(platform->RenameFileIfFree("C:\\A.TXT", "C:\\B.TXT"));
  EXPECT_EQ(ReadFile(temp.path() / "B.TXT"), "old");
  EXPECT_TRUE(platform->RenameFileIfFree("C:\\A.TXT", "C:\\C.TXT"));
  EXPECT_EQ(ReadFile(temp.path() / "C.TXT"), "new");
  EXPECT_EQ(FailureOf([&] { platform->RenameFileIfFree("C:\\A.TXT", "C:\\D.TXT"); }), failure::kFileNotFound);
}

TEST_F(RealPlatformTest, ListsFilesOrFoldersInCaseInsensitiveOrder) {
  WriteFile(temp.path() / "R" / "b.txt", "");
  WriteFile(temp.path() / "R" / "A.TXT", "");
  WriteFile(temp.path() / "R" / "Estados.txt", "");
  std::filesystem::create_directories(temp.path() / "R" / "TESTIGO");
  EXPECT_EQ(platform->ListFolder("C:\\R\\", false), (std::vector<std::string>{"A.TXT", "b.txt", "Estados.txt"}));
  EXPECT_EQ(platform->ListFolder("C:\\R\\", true),
            (std::vector<std::string>{"A.TXT", "b.txt", "Estados.txt", "TESTIGO"}));
  EXPECT_TRUE(platform->ListFolder("C:\\MISSING\\", true).empty());
}

TEST_F(RealPlatformTest, FilesReadWriteAndResize) {
  const std::string path = "C:\\F.BIN";
  {
    auto file = platform->OpenFile(path, OpenMode::kWrite);
    const std::string text = "hello world";
    file->Write(std::as_bytes(std::span(text.data(), text.size())));
  }
  {
    auto file = platform->OpenFile(path, OpenMode::kReadWrite);
    file->SetLength(5);
    EXPECT_EQ(file->Length(), 5u);
    std::vector<std::byte> buffer(16);
    file->Seek(1);
    EXPECT_EQ(file->Read(buffer), 4u);
  }
  EXPECT_EQ(ReadFile(temp.path() / "F.BIN"), "hello");
}

TEST_F(RealPlatformTest, StartsAProgramWhosePathHoldsABlankAndReadsItsExitCode) {
  const auto folder = temp.path() / "Program Files" / "Tramvel";
  testing::InstallStandIn(folder, "zariz.exe", 3);
  const std::string line = folder.string() + "\\zariz.exe DOWNLOAD=NO;SERVER=h;  two blanks stay;";
  EXPECT_EQ(RunToEnd(line), 3u);
  EXPECT_EQ(testing::RecordedCommandLines(folder), std::vector<std::string>{line});
}

TEST_F(RealPlatformTest, AProgramBesideItsFoldersFirstWordNeverStandsInForIt) {
  const auto probe = temp.path() / "probe";
  const auto folder = probe / "my bin";
  testing::InstallStandIn(folder, "zariz.exe", 3);
  testing::InstallStandIn(probe, "my", 9);
  WriteFile(folder / "zariz.exe DOWNLOAD=NO;SERVER=h;", "a file that no one may run");
  const std::string line = folder.string() + "/zariz.exe DOWNLOAD=NO;SERVER=h; ARCHIVO=F;";
  EXPECT_EQ(RunToEnd(line), 3u);
  EXPECT_EQ(testing::RecordedCommandLines(folder), std::vector<std::string>{line});
  EXPECT_TRUE(testing::RecordedCommandLines(probe).empty());
}

TEST_F(RealPlatformTest, AMissingProgramCannotStartAndHandleZeroReadsNothing) {
  EXPECT_EQ(FailureOf([&] { platform->StartProcess(temp.str() + "/none.exe ARG", WindowStyle::kNormalFocus); }),
            failure::kFileNotFound);
  uint32_t code = 42;
  EXPECT_FALSE(platform->GetExitCode(0, code));
  EXPECT_EQ(code, 42u);
  EXPECT_EQ(platform->OpenProcess(999999999), 0);
}

}  // namespace
}  // namespace tramvel
