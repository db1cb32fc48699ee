#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "common/MostrarError.h"
#include "platform/MessageBoxStyle.h"

namespace tramvel::testing {
namespace {

class MostrarErrorTest : public ::testing::Test {
 protected:
  MostrarErrorTest() {
    std::filesystem::create_directories(temp.path() / "TEMP");
    std::filesystem::create_directories(temp.path() / "TMP");
    platform.SetEnv("TEMP", "C:\\TEMP");
    platform.SetEnv("TMP", "C:\\TMP\\");
    platform.SetNow({2026, 1, 2, 3, 4, 5});
  }
  std::string Log(const char* folder) const {
    const auto path = temp.path() / folder / "DWERR.LOG";
    return std::filesystem::exists(path) ? ReadFile(path) : "(none)";
  }

  TempFolder temp;
  TestPlatform platform{temp.str()};
};

TEST_F(MostrarErrorTest, ShowsTheFailureAndLogsItWithTheAnswer) {
  struct Case {
    const char* name;
    Failure error;
    std::optional<int32_t> botones;
    std::optional<std::string> rutina;
    int answer;
    const char* text;
    const char* title;
    int style;
    const char* line;
  } const cases[] = {
      {"rutina", Failure(208, "Invalid object name 'X'.", "Tramvel"), std::nullopt, "Cfg", mb::kRetry,
       "Ha ocurrido el Siguiente Error (208) Invalid object name 'X'.", "Tramvel - Cfg Aviso al operador!!! ", 18,
       "01-02-2026 03:04:05 Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (208) Invalid object name 'X'. "
       "Respondió : Reintentar\r\n"},
      {"sinRutina", Failure(53, "File not found", "Tramvel"), std::nullopt, std::nullopt, mb::kIgnore,
       "Ha ocurrido el Siguiente Error (53) File not found", "Tramvel Aviso al operador!!! ", 18,
       "01-02-2026 03:04:05 Rutina:  Mensaje Ha ocurrido el Siguiente Error (53) File not found Respondió : "
       "Ignorar\r\n"},
      {"ok", Failure(5, "Invalid call", "Tramvel"), mb::kOkOnly, "GActualizarDatoScript", mb::kOk,
       "Ha ocurrido el Siguiente Error (5) Invalid call", "Tramvel - GActualizarDatoScript Aviso al operador!!! ", 0,
       "01-02-2026 03:04:05 Rutina: - GActualizarDatoScript Mensaje Ha ocurrido el Siguiente Error (5) Invalid call "
       "Respondió : \r\n"},
      {"negativo", Failure(-2147217900, "  Login failed.  ", "Microsoft OLE DB"), std::nullopt, std::nullopt,
       mb::kAbort, "Ha ocurrido el Siguiente Error (-2147217900) Login failed.",
       "Microsoft OLE DB Aviso al operador!!! ", 18,
       "01-02-2026 03:04:05 Rutina:  Mensaje Ha ocurrido el Siguiente Error (-2147217900) Login failed. Respondió : "
       "Abortar\r\n"},
  };
  std::string expected;
  for (const Case& c : cases) {
    platform.Operator().QueueAnswers({c.answer});
    EXPECT_EQ(MostrarError(platform, c.error, c.botones, c.rutina), c.answer) << c.name;
    const Box& box = platform.Operator().Boxes().back();
    EXPECT_EQ(box.text, c.text) << c.name;
    EXPECT_EQ(box.title, c.title) << c.name;
    EXPECT_EQ(box.style, c.style) << c.name;
    expected += c.line;
  }
  // TEMP is set, so the log goes to TMP; every line is appended.
  EXPECT_EQ(Log("TMP"), expected);
  EXPECT_EQ(Log("TEMP"), "(none)");
}

TEST_F(MostrarErrorTest, ErrorZeroShowsNothingButLeavesTheLog) {
  EXPECT_EQ(MostrarError(platform, Failure(0, "")), 0);
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_EQ(Log("TMP"), "");
}

TEST_F(MostrarErrorTest, WithTmpEmptyTheLogGoesToTheWorkstationsTemporaryFolder) {
  platform.SetEnv("TMP", "  ");
  MostrarError(platform, Failure(53, "File not found", "Tramvel"));
  EXPECT_NE(Log("TEMP").find("Respondió : Abortar\r\n"), std::string::npos);
  EXPECT_EQ(Log("TMP"), "(none)");
}

TEST_F(MostrarErrorTest, ALogThatCannotBeOpenedFailsBeforeAnyDialog) {
  platform.Fail(Op::kOpenFile, 1, Times::kOnce, Failure(75, "Path/File access error"), "DWERR.LOG");
  try {
    MostrarError(platform, Failure(53, "File not found", "Tramvel"));
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Number(), 75);
  }
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

}  // namespace
}  // namespace tramvel::testing
