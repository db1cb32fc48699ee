#include <gtest/gtest.h>

#include "SyncFixture.h"
#include "platform/MessageBoxStyle.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;
using Upload = SyncFixture;

TEST_F(Upload, ExportsThenSendsWithTheExactCommandLines) {
  const ResultadoTrabajo result = Run(true);

  EXPECT_EQ(Recorded(), (std::vector<std::string>{Program("INTERFACEENVIOMAESTROS.EXE") + " " + kInterfaceText,
                                                  Program("zariz.exe") + " " + kSendText}));
  // Two blanks between the program path and "@server=".
  EXPECT_NE(Recorded()[0].find("INTERFACEENVIOMAESTROS.EXE  @server="), std::string::npos);
  EXPECT_EQ(platform.StartedCommandLines(), Recorded());
  EXPECT_EQ(lines, (std::vector<std::string>{"Subiendo archivo ", "Subiendo archivo TODOS", kDots, kClosingLine,
                                             kStars}));
  EXPECT_EQ(captions, (std::vector<std::string>{"Borrando Archivos Antiguos...", "Conectando", "Generando Archivo...",
                                                "Generando Archivo..", "Generando Archivo...", "Subiendo...",
                                                "Subiendo..", "Finalizado"}));
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_TRUE(fs::is_directory(drive / "ENVIAR"));
  EXPECT_EQ(result.EstadoSalida(), 0);
}

TEST_F(Upload, CleansTheOutboxButKeepsEstadosAndSkipsAFileThatCannotGo) {
  WriteFile(drive / "ENVIAR" / "ESTADOS.TXT", "keep");
  WriteFile(drive / "ENVIAR" / "MA_ARTICULOS.csv", "old");
  WriteFile(drive / "ENVIAR" / "MA_CLIENTES.csv", "old");
  WriteFile(drive / "ENVIAR" / "ZZ_EN_USO.csv", "locked");
  // Joined to the outbox, this name would reach the drive's own victima.txt.
  WriteFile(drive / "ENVIAR" / "..\\victima.txt", "not ours");
  WriteFile(drive / "victima.txt", "not ours");
  platform.Fail(Op::kDeleteFile, 1, Times::kFromThenOn, Failure(75, "Path/File access error"), "ZZ_EN_USO");
  // From the first deletion on, failures pass unreported: the send that
  // cannot start is skipped without a box.
  platform.Fail(Op::kStartProcess, 1, Times::kOnce, Failure(53, "File not found"), "zariz");

  const ResultadoTrabajo result = Run(true);

  EXPECT_TRUE(fs::exists(drive / "ENVIAR" / "ESTADOS.TXT"));
  EXPECT_FALSE(fs::exists(drive / "ENVIAR" / "MA_ARTICULOS.csv"));
  EXPECT_FALSE(fs::exists(drive / "ENVIAR" / "MA_CLIENTES.csv"));
  EXPECT_TRUE(fs::exists(drive / "ENVIAR" / "ZZ_EN_USO.csv"));
  EXPECT_TRUE(fs::exists(drive / "victima.txt"));
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_EQ(std::vector<std::string>(captions.begin(), captions.begin() + 4),
            (std::vector<std::string>{"Borrando Archivos Antiguos...",
                                      "Borrando Archivos Antiguos...\r\nC:\\ENVIAR\\MA_ARTICULOS.csv",
                                      "Borrando Archivos Antiguos...\r\nC:\\ENVIAR\\MA_CLIENTES.csv",
                                      "Borrando Archivos Antiguos...\r\nC:\\ENVIAR\\ZZ_EN_USO.csv"}));
  EXPECT_EQ(lines, (std::vector<std::string>{"Subiendo archivo ", "Error al enviar el : TODOS", kDots, kClosingLine,
                                             kStars}));
  EXPECT_EQ(result.EstadoSalida(), 1);
}

TEST_F(Upload, WithoutTheFtpClientOnlyItsBoxAndTheClosingLines) {
  fs::remove(programs / "zariz.exe");
  const ResultadoTrabajo result = Run(true);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text,
            "NO SE ENCUENTRA EL CLIENTE FTP ZARIZ, COMUNIQUELO A SU PROVEEDOR DE SISTEMAS...");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kOkOnly);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "");
  EXPECT_EQ(lines, (std::vector<std::string>{kClosingLine, kStars}));
  EXPECT_FALSE(fs::exists(drive / "ENVIAR"));
  EXPECT_TRUE(Recorded().empty());
  EXPECT_EQ(result.EstadoSalida(), 1);
}

TEST_F(Upload, WithoutAWebHostTheRunStopsAtOnce) {
  WriteFile(programs / "RO000vu.INI", "[FTP]\nUsuario=otro\n");
  const ResultadoTrabajo result = Run(true);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, "Falta configurar la carpeta FTP");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kCritical);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Atencion");
  EXPECT_EQ(lines, std::vector<std::string>{"Falta configurar la carpeta FTP"});
  EXPECT_TRUE(Recorded().empty());
  EXPECT_EQ(result.EstadoSalida(), 1);
}

TEST_F(Upload, TheOperatorDecidesAtAFailingStart) {
  struct Case {
    int answer;
    std::vector<std::string> recorded;
    std::vector<std::string> boxes;
    std::vector<std::string> lines;
    int exitStatus;
  } const cases[] = {
      {mb::kRetry,
       {Program("INTERFACEENVIOMAESTROS.EXE") + " " + kInterfaceText, Program("zariz.exe") + " " + kSendText},
       {"error"},
       {"Subiendo archivo ", "Subiendo archivo TODOS", kDots, kClosingLine, kStars},
       0},
      // Ignored, the start leaves no process to watch.
      {mb::kIgnore, {}, {"error", "Error al generar el archivo"}, {"Error al generar el archivo"}, 1},
      {mb::kAbort, {}, {"error"}, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    fs::remove(programs / "standin.log");
    lines.clear();
    TestPlatform local(drive.string());
    local.SetProgramFolder(programs.string());
    local.SetEnv("TRAMVEL_INI", std::nullopt);
    local.SetProgramsEndBeforeWatching(true);
    local.Fail(Op::kStartProcess, 1, Times::kOnce, Failure(53, "File not found"), "INTERFACEENVIO");
    local.Operator().QueueAnswers({c.answer});
    ProgramState state(local);
    state.Sesion().Servidor("SRV01");
    state.Sesion().BaseDeDatos("GESTION");
    state.Sesion().Usuario("ana");
    state.Sesion().Password("x");
    Sincronizacion localJob(state, VistaTrabajo{[](const std::string&) {},
                                                [this](const std::string& l1, const std::string&, const std::string&) {
                                                  lines.push_back(l1);
                                                }});
    const ResultadoTrabajo result = localJob.Sincronizar(true);
    EXPECT_EQ(Recorded(), c.recorded);
    ASSERT_EQ(local.Operator().Boxes().size(), c.boxes.size());
    EXPECT_EQ(local.Operator().Boxes()[0].style & 0x0F, mb::kAbortRetryIgnore);
    EXPECT_NE(local.Operator().Boxes()[0].text.find("File not found"), std::string::npos);
    if (c.boxes.size() > 1) {
      EXPECT_EQ(local.Operator().Boxes()[1].text, c.boxes[1]);
    }
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(result.EstadoSalida(), c.exitStatus);
  }
}

TEST_F(Upload, AFailingOutsideProgramFailsTheJob) {
  struct Case {
    const char* program;
    std::vector<std::string> lines;
    size_t started;
    size_t boxes;
  } const cases[] = {
      {"INTERFACEENVIOMAESTROS.EXE", {"Subiendo archivo ", "Error al generar el archivo"}, 1, 1},
      {"zariz.exe", {"Subiendo archivo ", "Subiendo archivo TODOS", "Error al enviar el : TODOS", kClosingLine, kStars}, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    InstallOutsidePrograms(programs);
    fs::remove(programs / "standin.log");
    InstallStandIn(programs, c.program, 1);
    lines.clear();
    captions.clear();
    const size_t boxesBefore = platform.Operator().Boxes().size();
    const ResultadoTrabajo result = Run(true);
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(Recorded().size(), c.started);
    EXPECT_EQ(platform.Operator().Boxes().size() - boxesBefore, c.boxes);
    EXPECT_NE(captions.back(), "Finalizado");
    EXPECT_FALSE(result.finalizado);
    EXPECT_EQ(result.EstadoSalida(), 1);
  }
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, "Error al generar el archivo");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kOkOnly);
}

TEST_F(Upload, ASendThatCannotBeWatchedEndsOnFinalizadoButNotAsSuccess) {
  platform.Fail(Op::kOpenProcess, 1, Times::kOnce, Failure(0, ""), "zariz");
  const ResultadoTrabajo result = Run(true);
  EXPECT_EQ(lines, (std::vector<std::string>{"Subiendo archivo ", "Error al enviar el : TODOS", kDots, kClosingLine,
                                             kStars}));
  EXPECT_EQ(captions.back(), "Finalizado");
  EXPECT_EQ(result.EstadoSalida(), 1);
}

}  // namespace
}  // namespace tramvel::testing
