#include <gtest/gtest.h>

#include "SyncFixture.h"
#include "platform/MessageBoxStyle.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kFetchText =
    "DOWNLOAD=SI;SERVER=ftp.vorin.example;USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;"
    "DIRWEB=Public_html/clientes/Vorin\\;DIRDESTINO=C:\\RECIBIR\\;PROXY=;PROXYPASS=;";

std::string DeleteText(const std::string& name) {
  return "DOWNLOAD=BORRAR;SERVER=ftp.vorin.example;USUARIO=qa417205;PASSWORD=Pol1984; ARCHIVO=" + name +
         ";DIRWEB=Public_html/clientes/Vorin\\;DIRDESTINO=C:\\RECIBIR\\;";
}

// The fetch stand-in brings nothing itself: the received files are laid in
// the inbox beforehand, as a fetch would have left them.
class Download : public SyncFixture {
 protected:
  void Receive(std::initializer_list<const char*> names) {
    for (const char* name : names) WriteFile(inbox / name, std::string("data of ") + name);
  }
  fs::path Witness(const std::string& name) const { return inbox / "TESTIGO" / "2014-05" / "06-1837" / name; }

  fs::path inbox = drive / "RECIBIR";
};

TEST_F(Download, FetchesImportsWitnessesAndDeletesEachReceivedFile) {
  Receive({"MA_CLIENTES.csv", "MA_ARTICULOS.csv", "TA_TARIFAS_ARTICULOS.csv", "estados.TXT"});

  const ResultadoTrabajo result = Run(false);

  EXPECT_EQ(Recorded(),
            (std::vector<std::string>{Program("zariz.exe") + " " + kFetchText,
                                      Program("INTERFACERECEPMAESTROS.EXE") + " " + kInterfaceText,
                                      Program("zariz.exe") + " " + DeleteText("MA_ARTICULOS.csv"),
                                      Program("zariz.exe") + " " + DeleteText("MA_CLIENTES.csv"),
                                      Program("zariz.exe") + " " + DeleteText("TA_TARIFAS_ARTICULOS.csv")}));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Descargando desde Public_html/clientes/Vorin\\", "Leyendo archivo ", kDots,
                       "Descargado C:\\RECIBIR\\MA_ARTICULOS.csv", "Descargado C:\\RECIBIR\\MA_CLIENTES.csv",
                       "Descargado C:\\RECIBIR\\TA_TARIFAS_ARTICULOS.csv", kDots,
                       "Borrando procesados...MA_ARTICULOS.csv", "Borrando procesados...MA_CLIENTES.csv",
                       "Borrando procesados...TA_TARIFAS_ARTICULOS.csv", kDots, kClosingLine, kStars}));
  for (const char* name : {"MA_CLIENTES.csv", "MA_ARTICULOS.csv", "TA_TARIFAS_ARTICULOS.csv"}) {
    EXPECT_EQ(ReadFile(Witness(name)), std::string("data of ") + name);
    EXPECT_FALSE(fs::exists(inbox / name)) << name;
  }
  EXPECT_FALSE(fs::exists(Witness("estados.TXT")));
  EXPECT_TRUE(fs::exists(inbox / "estados.TXT"));
  EXPECT_EQ(std::vector<std::string>(captions.begin(), captions.begin() + 3),
            (std::vector<std::string>{"Conectando", "Preparando", "Descargando.."}));
  EXPECT_EQ(std::vector<std::string>(captions.end() - 4, captions.end()),
            (std::vector<std::string>{"Borrando Archivos de la Web...\r\nTA_TARIFAS_ARTICULOS.csv",
                                      "Borrando Archivos de la Web...Correcto!",
                                      "Borrando Archivos Temporales...Correcto!", "Finalizado"}));
  EXPECT_TRUE(platform.Operator().Boxes().empty());
  EXPECT_EQ(result.EstadoSalida(), 0);
}

TEST_F(Download, AnEmptyWebFolderStillEndsOnFinalizado) {
  const ResultadoTrabajo result = Run(false);
  EXPECT_EQ(Recorded().size(), 2u);
  EXPECT_EQ(lines, (std::vector<std::string>{"Descargando desde Public_html/clientes/Vorin\\", "Leyendo archivo ",
                                             kDots, kDots, kDots, kClosingLine, kStars}));
  EXPECT_EQ(std::vector<std::string>(captions.end() - 5, captions.end()),
            (std::vector<std::string>{"Generando Testigo...Correcto!", "Borrando Archivos de la Web...",
                                      "Borrando Archivos de la Web...Correcto!",
                                      "Borrando Archivos Temporales...Correcto!", "Finalizado"}));
  EXPECT_EQ(result.EstadoSalida(), 0);
}

TEST_F(Download, AFailedFetchImportsWitnessesAndDeletesNothing) {
  Receive({"MA_CLIENTES.csv"});
  InstallStandIn(programs, "zariz.exe", 3);
  const ResultadoTrabajo result = Run(false);
  EXPECT_EQ(Recorded(), std::vector<std::string>{Program("zariz.exe") + " " + kFetchText});
  EXPECT_EQ(lines, (std::vector<std::string>{"Descargando desde Public_html/clientes/Vorin\\", "Error al Generar el : ",
                                             kClosingLine, kStars}));
  EXPECT_FALSE(fs::exists(inbox / "TESTIGO"));
  EXPECT_TRUE(fs::exists(inbox / "MA_CLIENTES.csv"));
  EXPECT_NE(captions.back(), "Finalizado");
  EXPECT_EQ(result.EstadoSalida(), 1);
}

TEST_F(Download, AFetchThatCannotBeWatchedImportsNothingAndDoesNotEndOnFinalizado) {
  Receive({"MA_CLIENTES.csv"});
  platform.Fail(Op::kOpenProcess, 1, Times::kOnce, Failure(0, ""), "zariz");
  const ResultadoTrabajo result = Run(false);
  EXPECT_EQ(Recorded(), std::vector<std::string>{Program("zariz.exe") + " " + kFetchText});
  EXPECT_EQ(lines, (std::vector<std::string>{"Descargando desde Public_html/clientes/Vorin\\", "Error al Generar el : ",
                                             kClosingLine, kStars}));
  EXPECT_TRUE(fs::exists(inbox / "MA_CLIENTES.csv"));
  EXPECT_EQ(captions.back(), "Error al Generar el : ");
  EXPECT_EQ(result.EstadoSalida(), 1);
}

TEST_F(Download, AnImportThatFailsOrCannotBeWatchedEndsTheRunAndDeletesNothing) {
  struct Case {
    const char* what;
    int exitCode;
    bool watchable;
  } const cases[] = {{"fails", 2, true}, {"not watchable", 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Receive({"MA_CLIENTES.csv"});
    InstallStandIn(programs, "INTERFACERECEPMAESTROS.EXE", c.exitCode);
    fs::remove(programs / "standin.log");
    lines.clear();
    const size_t boxesBefore = platform.Operator().Boxes().size();
    if (!c.watchable) platform.Fail(Op::kOpenProcess, 1, Times::kOnce, Failure(0, ""), "INTERFACERECEP");

    const ResultadoTrabajo result = Run(false);

    EXPECT_EQ(Recorded().size(), 2u);
    ASSERT_EQ(platform.Operator().Boxes().size(), boxesBefore + 1);
    EXPECT_EQ(platform.Operator().Boxes().back().text, "Error al tomar el archivo");
    EXPECT_EQ(platform.Operator().Boxes().back().style, mb::kOkOnly);
    EXPECT_EQ(lines.back(), "Error al tomar el archivo");
    EXPECT_TRUE(fs::exists(inbox / "MA_CLIENTES.csv"));
    EXPECT_FALSE(fs::exists(inbox / "TESTIGO"));
    EXPECT_EQ(result.EstadoSalida(), 1);
  }
}

TEST_F(Download, AMissingImportProgramGoesToTheOperator) {
  fs::remove(programs / "INTERFACERECEPMAESTROS.EXE");
  platform.Operator().QueueAnswers({mb::kAbort});
  const ResultadoTrabajo result = Run(false);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].style & 0x0F, mb::kAbortRetryIgnore);
  EXPECT_EQ(Recorded().size(), 1u);
  EXPECT_EQ(lines, std::vector<std::string>{"Descargando desde Public_html/clientes/Vorin\\"});
  EXPECT_EQ(result.EstadoSalida(), 1);
}

TEST_F(Download, AFailedWebDeletionKeepsThatFileAndFailsTheJob) {
  Receive({"A.csv", "B.csv", "C.csv"});
  // Fetch, then the three deletions: the second one fails.
  InstallStandIn(programs, "zariz.exe", std::vector<int>{0, 0, 5, 0});
  const ResultadoTrabajo result = Run(false);
  EXPECT_EQ(Recorded().size(), 5u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Error al borrar en la Web: B.csv"), lines.end());
  EXPECT_FALSE(fs::exists(inbox / "A.csv"));
  EXPECT_TRUE(fs::exists(inbox / "B.csv"));
  EXPECT_FALSE(fs::exists(inbox / "C.csv"));
  EXPECT_TRUE(fs::exists(Witness("B.csv")));
  EXPECT_EQ(captions.back(), "Finalizado");
  EXPECT_EQ(result.EstadoSalida(), 1);
}

// With the inbox's disk full the witness copy fails: the web server keeps
// the file, which comes again with the next download.
TEST_F(Download, AFileWhoseWitnessFailedStaysOnTheWebServerAndFailsTheJob) {
  Receive({"A.csv", "B.csv"});
  platform.Fail(Op::kWriteFile, 1, Times::kOnce, Failure(failure::kDiskFull, "Disk full"), "TESTIGO");
  const ResultadoTrabajo result = Run(false);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, "Ha ocurrido un error en la copia del Archivo");
  EXPECT_EQ(Recorded(), (std::vector<std::string>{Program("zariz.exe") + " " + kFetchText,
                                                  Program("INTERFACERECEPMAESTROS.EXE") + " " + kInterfaceText,
                                                  Program("zariz.exe") + " " + DeleteText("B.csv")}));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Sin testigo, no se borra en la Web: A.csv"), lines.end());
  EXPECT_TRUE(fs::exists(inbox / "A.csv"));
  EXPECT_FALSE(fs::exists(inbox / "B.csv"));
  EXPECT_EQ(captions.back(), "Finalizado");
  EXPECT_EQ(result.EstadoSalida(), 1);
}

// Whatever put it in the inbox, a name that would add fields of its own to
// the deletion text (a PROXY that receives the FTP password) is not sent.
TEST_F(Download, ANameThatWouldChangeTheDeletionTextIsNotSent) {
  Receive({"nota.txt;PROXY=127.0.0.1:21600", "A.csv"});
  const ResultadoTrabajo result = Run(false);
  EXPECT_EQ(Recorded().back(), Program("zariz.exe") + " " + DeleteText("A.csv"));
  EXPECT_EQ(Recorded().size(), 3u);
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "Nombre no válido, no se borra en la Web: nota.txt;PROXY=127.0.0.1:21600"),
            lines.end());
  EXPECT_EQ(result.EstadoSalida(), 1);
}

// A name holding a backslash joined to the inbox would name a file outside
// it: that file is neither witnessed nor deleted, and the name stays.
TEST_F(Download, ANameThatClimbsOutOfTheInboxTouchesNoOtherFile) {
  WriteFile(drive / "victima.txt", "not received");
  Receive({"..\\victima.txt", "A.csv"});
  const ResultadoTrabajo result = Run(false);
  EXPECT_EQ(Recorded().back(), Program("zariz.exe") + " " + DeleteText("A.csv"));
  EXPECT_EQ(Recorded().size(), 3u);
  EXPECT_EQ(ReadFile(drive / "victima.txt"), "not received");
  EXPECT_FALSE(fs::exists(Witness("victima.txt")));
  EXPECT_TRUE(fs::exists(inbox / "..\\victima.txt"));
  EXPECT_EQ(result.EstadoSalida(), 1);
}

TEST_F(Download, TheWitnessesReachTheDiskBeforeTheFirstWebDeletion) {
  Receive({"A.csv", "B.csv"});
  Run(false);
  const auto started = [this](const std::string& name, const std::string& text) {
    return "start " + Program(name) + " " + text;
  };
  EXPECT_EQ(platform.Journal(),
            (std::vector<std::string>{started("zariz.exe", kFetchText),
                                      started("INTERFACERECEPMAESTROS.EXE", kInterfaceText),
                                      "sync C:\\RECIBIR\\TESTIGO", started("zariz.exe", DeleteText("A.csv")),
                                      started("zariz.exe", DeleteText("B.csv"))}));
}

TEST_F(Download, AWitnessTreeThatCannotBeFlushedDeletesNothingOnTheWeb) {
  Receive({"A.csv"});
  platform.Fail(Op::kSyncFileSystem, 1, Times::kOnce, Failure(failure::kDeviceIo, "Device I/O error"));
  const ResultadoTrabajo result = Run(false);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].style & 0x0F, mb::kAbortRetryIgnore);
  EXPECT_EQ(Recorded().size(), 2u);
  EXPECT_TRUE(fs::exists(inbox / "A.csv"));
  EXPECT_EQ(result.EstadoSalida(), 1);
}

// Exit code 2: the FTP client could not reach the server.
TEST_F(Download, TheWebDeletionsStopAtTheFirstThatCannotReachTheServer) {
  Receive({"A.csv", "B.csv", "C.csv"});
  InstallStandIn(programs, "zariz.exe", std::vector<int>{0, 2, 0});
  const ResultadoTrabajo result = Run(false);
  EXPECT_EQ(Recorded().size(), 3u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 6, lines.end() - 3),
            (std::vector<std::string>{
                "Borrando procesados...A.csv", "Error al borrar en la Web: A.csv",
                "No se puede conectar con el servidor FTP: no se borran los demás archivos de la Web"}));
  for (const char* name : {"A.csv", "B.csv", "C.csv"}) EXPECT_TRUE(fs::exists(inbox / name)) << name;
  EXPECT_EQ(result.EstadoSalida(), 1);
}

}  // namespace
}  // namespace tramvel::testing
