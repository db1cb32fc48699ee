#include <gtest/gtest.h>

#include <filesystem>

#include "RunProgram.h"
#include "StandIns.h"
#include "TempFolder.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kConexion = "@Server=local;@DbName=DEMO;@Usuario=sa;@Password=x;";

class SydBase : public ::testing::Test {
 protected:
  SydBase() { fs::create_directories(temp.path() / "tmp"); }

  ProgramRun Syd(const std::vector<std::string>& args) {
    return RunProgram((ProgramDir() / "syd").string(), args,
                      {{"TRAMVEL_DRIVE_C", temp.str()},
                       {"TRAMVEL_INI", std::nullopt},
                       {"TEMP", (temp.path() / "tmp").string()}});
  }

  TempFolder temp;
};

TEST_F(SydBase, CrearBaseBuildsTheSchemaThatCfgReads) {
  const ProgramRun creada = Syd({kConexion, "crear-base", "COMPLETO.SQL"});
  EXPECT_EQ(creada.exitCode, 0) << creada.errors;
  EXPECT_TRUE(fs::exists(temp.path() / "TRAMVEL" / "DATOS" / "local" / "DEMO.sqlite"));

  const ProgramRun fecha = Syd({kConexion, "cfg", "FHUPDATE"});
  EXPECT_EQ(fecha.exitCode, 0) << fecha.errors;
  EXPECT_EQ(fecha.output, "02/07/2004\n");

  const ProgramRun otraVez = Syd({kConexion, "crear-base"});
  EXPECT_EQ(otraVez.exitCode, 1);
  EXPECT_NE(otraVez.errors.find("Database 'DEMO' already exists"), std::string::npos) << otraVez.errors;

  const ProgramRun columna = Syd({kConexion, "cfg", "NO_EXISTE"});
  EXPECT_EQ(columna.exitCode, 1);
  EXPECT_NE(columna.errors.find("Rutina: CFG"), std::string::npos) << columna.errors;
}

TEST_F(SydBase, VerVistasFailsWhenABatchWasWrittenToTheErrorFile) {
  ASSERT_EQ(Syd({kConexion, "crear-base"}).exitCode, 0);
  WriteFile(temp.path() / "MAL.SQL", "CREATE TABLE A (a int)\r\nGO\r\nSELECT nada FROM A\r\n");
  const ProgramRun run = Syd({kConexion, "ver-vistas", "C:\\MAL.SQL"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("Se detectaron errores, consulte el archivo " + (temp.path() / "tmp").string() + "/Script"),
            std::string::npos)
      << run.errors;
  EXPECT_EQ(Syd({kConexion, "ver-vistas"}).exitCode, 2);
}

}  // namespace
}  // namespace tramvel::testing
