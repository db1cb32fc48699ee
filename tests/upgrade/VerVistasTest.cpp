#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "ado/Connection.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

// An embedded database LOCAL/GESTION through the configuration file, the
// temporary folder inside the test's own, and a clock at 18:37:00, so that
// the error file is Script18370.TXT.
class VerVistasTest : public ::testing::Test {
 protected:
  VerVistasTest() {
    platform.SetProgramFolder(temp.str());
    platform.SetEnv("TRAMVEL_INI", std::nullopt);
    platform.SetEnv("TEMP", (temp.path() / "tmp").string());
    fs::create_directories(temp.path() / "tmp");
    WriteFile(temp.path() / "RO000vu.INI", "[BaseDeDatos]\nMotor=SQLITE\nCarpeta=C:\\DATOS\\\n");
    ado::CreateSqliteDatabase(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
    dll.gServidor = "LOCAL";
    dll.gDBName = "GESTION";
    dll.OpenADOServer();
    // The error file is never really opened for the operator here.
    platform.Fail(Op::kStartProcess, 1, Times::kFromThenOn, Failure(53, "File not found"));
  }

  std::string Script(const std::string& name, const std::string& content) {
    WriteFile(temp.path() / "SCRIPTS" / name, content);
    return "C:\\SCRIPTS\\" + name;
  }

  fs::path ErrorFile() const { return temp.path() / "tmp" / "Script18370.TXT"; }

  int64_t Count(const std::string& sql) {
    const auto check = ado::OpenSqliteConnection(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
    return check->Execute(sql)->Fields(0).Value().ToInteger();
  }

  static std::string Record(const std::string& archivo, const std::string& error, const std::string& lote) {
    const std::string stars(112, '*');
    return " Fecha Update = 02/07/2004 | Archivo : " + archivo + "\r\n" + stars + "\r\n" +
           "06/05/2014 - 18:37:00\r\n" + "  Error " + error + "\r\n" + stars + "\r\n" + lote + "\r\n" + stars +
           "\r\n";
  }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  Dll_SYD dll{platform};
};

TEST_F(VerVistasTest, AViewBeforeItsTableIsMadeInPassTwoWhereDropBatchesDoNotRunAgain) {
  const std::string script = Script("VISTAS.SQL",
                                    "CREATE TABLE LOG (n int)\r\nGO\r\n"
                                    "DROP TABLE IF EXISTS TMP\r\nINSERT INTO LOG VALUES (1)\r\nGO\r\n"
                                    "INSERT INTO LOG VALUES (2)\r\nGO\r\n"
                                    "CREATE VIEW V AS SELECT a FROM T\r\nGO\r\n"
                                    "CREATE TABLE T (a int)\r\n");
  EXPECT_TRUE(dll.VerVistas(script));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM V"), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LOG WHERE n = 1"), 1);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LOG WHERE n = 2"), 2);
  ASSERT_TRUE(fs::exists(ErrorFile()));
  EXPECT_EQ(ReadFile(ErrorFile()), "");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(VerVistasTest, AnObjectThatExistsIsNeitherWrittenNorRepeated) {
  const std::string script = Script("A.SQL",
                                    "CREATE TABLE A (a int)\r\nGO\r\nINSERT INTO A VALUES (1)\r\nGO\r\n"
                                    "CREATE TABLE A (a int)\r\n");
  EXPECT_TRUE(dll.VerVistas(script));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM A"), 1);
  EXPECT_EQ(ReadFile(ErrorFile()), "");
}

TEST_F(VerVistasTest, AReportedErrorIsWrittenOncePerPassThenTheOperatorIsTold) {
  dll.FhRegistroError = "02/07/2004";
  const std::string script = Script("E.SQL",
                                    "CREATE TABLE A (a int)\r\nGO\r\nSELECT nada FROM A\r\nGO\r\n"
                                    "CREATE VIEW V AS SELECT a FROM T\r\nGO\r\nCREATE TABLE T (a int)\r\n");
  EXPECT_FALSE(dll.VerVistas(script));
  const std::string record = Record(script, "207 Invalid column name 'nada'.", "SELECT nada FROM A\r\n");
  EXPECT_EQ(ReadFile(ErrorFile()), record + record);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text,
            "Se detectaron errores, consulte el archivo " + (temp.path() / "tmp").string() + "/Script18370.TXT");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kOkOnly);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "");
  ASSERT_EQ(platform.StartedCommandLines().size(), 1u);
  const std::string& opened = platform.StartedCommandLines()[0];
  EXPECT_NE(opened.find("xdg-open " + ErrorFile().string()), std::string::npos) << opened;
}

TEST_F(VerVistasTest, AnObjectStillMissingInTheTwentiethPassIsWrittenThen) {
  dll.FhRegistroError = "02/07/2004";
  const std::string script = Script("N.SQL",
                                    "CREATE TABLE LOG (n int)\r\nGO\r\nINSERT INTO LOG VALUES (1)\r\nGO\r\n"
                                    "SELECT * FROM NADA\r\n");
  EXPECT_FALSE(dll.VerVistas(script));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LOG"), 20);
  EXPECT_EQ(ReadFile(ErrorFile()), Record(script, "208 Invalid object name 'NADA'.", "SELECT * FROM NADA\r\n"));
}

TEST_F(VerVistasTest, AByteOrderMarkAndAnEmptyLastBatchAreHarmless) {
  const std::string script = Script("BOM.SQL", "\xEF\xBB\xBF" "CREATE TABLE B (a int)\r\nGO\r\n");
  EXPECT_TRUE(dll.VerVistas(script));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM B"), 0);
  EXPECT_EQ(ReadFile(ErrorFile()), "");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(VerVistasTest, AScriptSavedOnLinuxRunsBatchByBatch) {
  const std::string script = Script("LF.SQL", "CREATE TABLE L (a int)\nGO\nINSERT INTO L VALUES (1)\n");
  EXPECT_TRUE(dll.VerVistas(script));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM L"), 1);
  EXPECT_EQ(ReadFile(ErrorFile()), "");
}

TEST_F(VerVistasTest, AnEmptyPathDoesNothingAtAll) {
  Dll_SYD unconnected(platform);
  EXPECT_TRUE(unconnected.VerVistas(""));
  EXPECT_TRUE(fs::is_empty(temp.path() / "tmp"));
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_TRUE(platform.StartedCommandLines().empty());
}

TEST_F(VerVistasTest, AScriptThatCannotBeReadIsShownAndAbortEndsTheRun) {
  platform.Operator().QueueAnswers({mb::kAbort});
  EXPECT_FALSE(dll.VerVistas("C:\\SCRIPTS\\NONE.SQL"));
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Ejecutar");
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("Error 53"), std::string::npos) << platform.Operator().Boxes()[0].text;
  EXPECT_EQ(ReadFile(ErrorFile()), "");
}

TEST_F(VerVistasTest, RetryOpensTheScriptAgain) {
  const std::string script = Script("R.SQL", "CREATE TABLE R (a int)\r\n");
  platform.Fail(Op::kOpenFile, 1, Times::kOnce, Failure(75, "Path/File access error"), "R.SQL");
  platform.Operator().QueueAnswers({mb::kRetry});
  EXPECT_TRUE(dll.VerVistas(script));
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Ejecutar");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM R"), 0);
}

TEST_F(VerVistasTest, UnattendedTheErrorFileIsOnlyNamed) {
  platform.Operator().SetReadsDocuments(false);
  EXPECT_FALSE(dll.VerVistas(Script("E.SQL", "SELECT nada\r\n")));
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text.rfind("Se detectaron errores, consulte el archivo ", 0), 0u);
  EXPECT_TRUE(platform.StartedCommandLines().empty());
}

}  // namespace
}  // namespace tramvel::testing
