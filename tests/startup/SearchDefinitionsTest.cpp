#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "startup/GenerarConsultas.h"
#include "startup/ProgramState.h"

namespace tramvel::testing {
namespace {

class Consultas : public ::testing::Test {
 protected:
  Consultas() { programa.ConsultasSistema().ArchivoConsultas("C:\\PROGRAMA\\consultas.dwk"); }

  std::string Escrito() { return ReadFile(platform.NativePath("C:\\PROGRAMA\\consultas.dwk")); }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  ProgramState programa{platform};
  const std::string fixture = ReadFile(TRAMVEL_FIXTURES_DIR "/consultas.dwk");
};

TEST_F(Consultas, AFreshFileHoldsTheElevenRecordsByteForByte) {
  platform.CreateFolder("C:\\PROGRAMA");
  GenerarConsultas(programa);
  EXPECT_EQ(Escrito().size(), 13222u);
  EXPECT_EQ(Escrito(), fixture);
}

TEST_F(Consultas, ARunOnAnExistingFileAddsAfterItsLastCompleteRecord) {
  WriteFile(platform.NativePath("C:\\PROGRAMA\\consultas.dwk"), fixture + "cola");
  GenerarConsultas(programa);
  EXPECT_EQ(Escrito(), fixture + fixture);
}

TEST_F(Consultas, AFileThatCannotBeOpenedGoesToTheCaller) {
  EXPECT_THROW(GenerarConsultas(programa), Failure);  // no such folder
}

}  // namespace
}  // namespace tramvel::testing
