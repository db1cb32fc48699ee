#include <gtest/gtest.h>

#include <filesystem>

#include "FailureOf.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "upgrade/AbrirDocumento.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

TEST(AbrirDocumento, HandsTheNativePathToTheOpenerAsItsOneArgument) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  WriteFile(temp.path() / "bin" / "xdg-open", "");
  platform.SetEnv("PATH", "/nonexistent:" + (temp.path() / "bin").string());
  platform.Fail(Op::kStartProcess, 1, Times::kFromThenOn, Failure(53, "File not found"));
  EXPECT_THROW(AbrirDocumento(platform, "C:\\Mis Documentos\\Script953.TXT", ado::Variant(1)), Failure);
  ASSERT_EQ(platform.StartedCommandLines().size(), 1u);
  // No quotes: the launcher passes the rest of the line on unchanged.
  EXPECT_EQ(platform.StartedCommandLines()[0],
            (temp.path() / "bin" / "xdg-open").string() + " " + (temp.path() / "Mis Documentos" / "Script953.TXT").string());
}

TEST(AbrirDocumento, AnOpenerThatCannotBeStartedReachesTheCaller) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  platform.SetEnv("PATH", (temp.path() / "empty").string());
  EXPECT_EQ(FailureOf([&] { AbrirDocumento(platform, "C:\\A.TXT"); }), 53);
}

}  // namespace
}  // namespace tramvel::testing
