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
    return RunSyd(args, temp.str(), {{"TEMP", (temp.path() / "tmp").string()}});
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

// Unattended, the version change of 06/09/2006 takes its default No and the
// upgrade stops there; --confirmar answers Yes and reaches the final key.
TEST_F(SydBase, VerificarCamposBringsAFreshDatabaseToTheFinalKey) {
  ASSERT_EQ(Syd({kConexion, "crear-base", "COMPLETO.SQL"}).exitCode, 0);

  const ProgramRun corta = Syd({kConexion, "verificar-campos"});
  EXPECT_EQ(corta.exitCode, 1);
  EXPECT_EQ(corta.output, "04/09/2004\n06/09/2006\n06/09/2006\n");
  EXPECT_NE(corta.errors.find("syd: the upgrade stops at 06/09/2006: step 31 of 99"), std::string::npos)
      << corta.errors;

  const ProgramRun estado = Syd({kConexion, "estado-esquema"});
  EXPECT_EQ(estado.exitCode, 0);
  EXPECT_EQ(estado.output,
            "schema date: 06/09/2006\nstep:        step 31 of 99, 06/09/2006 -> 06/10/2006\nremaining:   69\n");

  const ProgramRun completa = Syd({kConexion, "verificar-campos", "--confirmar"});
  EXPECT_EQ(completa.exitCode, 0) << completa.errors;
  EXPECT_EQ(completa.output, "08/10/2013\n");
  EXPECT_NE(completa.errors.find("-> Sí (--confirmar)"), std::string::npos);

  const ProgramRun fin = Syd({kConexion, "estado-esquema"});
  EXPECT_EQ(fin.output, "schema date: 08/10/2013\nstep:        the final key: no step remains\nremaining:   0\n");
  for (const auto& entry : fs::directory_iterator(temp.path() / "tmp")) EXPECT_EQ(fs::file_size(entry.path()), 0u);

  EXPECT_EQ(Syd({kConexion, "verificar-campos", "--si"}).exitCode, 2);
  EXPECT_EQ(Syd({kConexion, "estado-esquema", "x"}).exitCode, 2);
}

}  // namespace
}  // namespace tramvel::testing
