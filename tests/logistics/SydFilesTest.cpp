#include <gtest/gtest.h>

#include <filesystem>

#include "RunProgram.h"
#include "StandIns.h"
#include "TempFolder.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

class SydFiles : public ::testing::Test {
 protected:
  ProgramRun Syd(const std::vector<std::string>& args) {
    return RunSyd(args, temp.str());
  }
  TempFolder temp;
};

TEST_F(SydFiles, GuardarTestigoPrintsWhatItWroteBack) {
  WriteFile(temp.path() / "RECIBIR" / "A.TXT", "a");
  const ProgramRun run = Syd({"guardar-testigo", "C:\\RECIBIR\\A.TXT", "XY", "C:\\RECIBIR\\"});
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("RutaArchivo=C:\\RECIBIR\\A.TXT\nSubFijo=X\nRutaDestino=C:\\RECIBIR\\\n"),
            std::string::npos)
      << run.output;
  ASSERT_TRUE(fs::exists(temp.path() / "RECIBIR" / "TESTIGO"));
  const auto month = fs::directory_iterator(temp.path() / "RECIBIR" / "TESTIGO")->path();
  const auto minute = fs::directory_iterator(month)->path();
  EXPECT_EQ(minute.filename().string().back(), 'X');
  EXPECT_EQ(ReadFile(minute / "A.TXT"), "a");
}

TEST_F(SydFiles, FileExistsAndCopyFileAnswerWithTheirExitStatus) {
  WriteFile(temp.path() / "SRC.BIN", "bytes");
  EXPECT_EQ(Syd({"file-exists", "C:\\SRC.BIN"}).exitCode, 0);
  EXPECT_EQ(Syd({"file-exists", "C:\\NONE.BIN"}).exitCode, 1);
  EXPECT_EQ(Syd({"copy-file", "C:\\SRC.BIN", "C:\\DST.BIN"}).exitCode, 0);
  EXPECT_EQ(ReadFile(temp.path() / "DST.BIN"), "bytes");
  const ProgramRun missing = Syd({"copy-file", "C:\\NONE.BIN", "C:\\DST.BIN"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.errors.find("No se encontro archivo: \"C:\\NONE.BIN\""), std::string::npos);
  const ProgramRun itself = Syd({"copy-file", "C:\\SRC.BIN", "C:\\SRC.BIN"});
  EXPECT_EQ(itself.exitCode, 1);
  EXPECT_NE(itself.errors.find("El origen y el destino son el mismo archivo"), std::string::npos) << itself.errors;
  EXPECT_EQ(ReadFile(temp.path() / "SRC.BIN"), "bytes");
  EXPECT_EQ(Syd({"no-such-command"}).exitCode, 2);
}

}  // namespace
}  // namespace tramvel::testing
