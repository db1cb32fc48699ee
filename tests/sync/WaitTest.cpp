#include <gtest/gtest.h>

#include "SyncFixture.h"
#include "common/StepRunner.h"
#include "sync/EjecutarYEsperar.h"

namespace tramvel::testing {
namespace {

TEST(EjecutarYEsperar, PollsWithBothCaptionsUntilTheProgramEnds) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  const auto release = temp.path() / "release";
  InstallStandIn(temp.path(), "slow.exe", 7);
  WriteFile(temp.path() / "slow.exe.wait", release.string());
  // The program runs until the third pass lets it go.
  platform.Operator().OnPump([&] {
    if (platform.Operator().Pumps() == 3) WriteFile(release, "");
  });
  std::vector<std::string> captions;
  EjecutarYEsperar programas(platform, [&](const std::string& text) { captions.push_back(text); });
  StepRunner pasos(StepRunner::Ignoring());

  const auto proceso = programas.Iniciar(pasos, temp.str() + "/slow.exe ARG");
  ASSERT_NE(proceso.handle, 0);
  programas.Esperar(pasos, proceso, "Subiendo...", "Subiendo..");

  EXPECT_EQ(programas.CodigoSalida(), 7u);
  EXPECT_FALSE(programas.TerminoBien(proceso));
  ASSERT_GE(captions.size(), 8u);
  ASSERT_EQ(captions.size() % 2, 0u);
  for (size_t i = 0; i < captions.size(); i += 2) {
    EXPECT_EQ(captions[i], "Subiendo...");
    EXPECT_EQ(captions[i + 1], "Subiendo..");
  }
  EXPECT_EQ(platform.Operator().Pumps(), static_cast<int>(captions.size() / 2));
}

TEST(EjecutarYEsperar, AProcessThatCannotBeWatchedTakesOnePassAndKeepsTheLastCode) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  InstallStandIn(temp.path(), "p.exe", 0);
  platform.Fail(Op::kOpenProcess, 1, Times::kFromThenOn, Failure(0, ""));
  std::vector<std::string> captions;
  EjecutarYEsperar programas(platform, [&](const std::string& text) { captions.push_back(text); });
  StepRunner pasos(StepRunner::Ignoring());
  const auto proceso = programas.Iniciar(pasos, temp.str() + "/p.exe X");
  EXPECT_EQ(proceso.handle, 0);
  programas.Esperar(pasos, proceso, std::nullopt, std::nullopt);
  EXPECT_EQ(programas.CodigoSalida(), 0u);
  EXPECT_EQ(platform.Operator().Pumps(), 1);
  EXPECT_FALSE(programas.TerminoBien(proceso));
}

}  // namespace
}  // namespace tramvel::testing
