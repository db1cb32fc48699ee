#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "RunProgram.h"
#include "StandIns.h"
#include "TempFolder.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kConexion = "@Server=local;@DbName=DEMO;@Usuario=sa;@Password=x;";

class SydDatabase : public ::testing::Test {
 protected:
  ProgramRun Syd(const std::vector<std::string>& args, std::optional<std::string> tempFolder) {
    return RunSyd(args, temp.str(),
                  {{"HOME", (temp.path() / "home").string()},
                   {"XDG_CACHE_HOME", std::nullopt},
                   {"TEMP", std::move(tempFolder)},
                   {"TMP", std::nullopt},
                   {"TMPDIR", std::nullopt}});
  }

  fs::path Database() const { return temp.path() / "TRAMVEL" / "DATOS" / "local" / "DEMO.sqlite"; }

  TempFolder temp;
};

TEST_F(SydDatabase, CrearBaseIsAllOrNothingSoARetryWorks) {
  const ProgramRun sinTemp = Syd({kConexion, "crear-base", "COMPLETO.SQL"}, (temp.path() / "missing").string());
  EXPECT_EQ(sinTemp.exitCode, 1);
  EXPECT_NE(sinTemp.errors.find("database 'DEMO' was removed again"), std::string::npos) << sinTemp.errors;
  EXPECT_FALSE(fs::exists(Database()));

  fs::create_directories(temp.path() / "tmp");
  const ProgramRun otraVez = Syd({kConexion, "crear-base", "COMPLETO.SQL"}, (temp.path() / "tmp").string());
  EXPECT_EQ(otraVez.exitCode, 0) << otraVez.errors;
  EXPECT_TRUE(fs::exists(Database()));
}

TEST_F(SydDatabase, WithoutTemporaryFolderInTheEnvironmentTheErrorFileIsTheUsersOwn) {
  ASSERT_EQ(Syd({kConexion, "crear-base"}, std::nullopt).exitCode, 0);
  WriteFile(temp.path() / "MAL.SQL", "SELECT nada FROM NINGUNA\r\n");
  const ProgramRun run = Syd({kConexion, "ver-vistas", "C:\\MAL.SQL"}, std::nullopt);
  EXPECT_EQ(run.exitCode, 1);
  const fs::path folder = temp.path() / "home" / ".cache" / "tramvel" / "temp";
  EXPECT_NE(run.errors.find("consulte el archivo " + folder.string() + "/Script"), std::string::npos) << run.errors;
  struct stat info {};
  ASSERT_EQ(::stat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(SydDatabase, NamesThatLeaveTheDataFolderOrAreNotColumnsAreRefused) {
  const ProgramRun servidor = Syd({"@Server=..\\..\\escaped;@DbName=DEMO;", "crear-base"}, std::nullopt);
  EXPECT_EQ(servidor.exitCode, 1);
  EXPECT_NE(servidor.errors.find("queda fuera de la carpeta de datos"), std::string::npos) << servidor.errors;
  EXPECT_FALSE(fs::exists(temp.path() / "escaped"));

  const ProgramRun base = Syd({"@Server=local;@DbName=..\\..\\..\\escaped;", "cfg", "FHUPDATE"}, std::nullopt);
  EXPECT_EQ(base.exitCode, 1);
  EXPECT_NE(base.errors.find("no es un nombre de archivo"), std::string::npos) << base.errors;

  const ProgramRun columna = Syd({kConexion, "cfg", "1; DELETE FROM TA_CONFIGURACION; --"}, std::nullopt);
  EXPECT_EQ(columna.exitCode, 2);
  EXPECT_NE(columna.errors.find("cfg takes a column name"), std::string::npos) << columna.errors;
}

}  // namespace
}  // namespace tramvel::testing
