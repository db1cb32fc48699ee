// zariz.exe against a real pyftpdlib server on 127.0.0.1, driven by the very
// parameter texts the synchronization job writes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "FolderContents.h"
#include "FtpTestServer.h"
#include "RunProgram.h"
#include "TempFolder.h"

namespace tramvel::zariz::test {
namespace {

using ::testing::HasSubstr;
using ::tramvel::testing::FtpTestServer;
using ::tramvel::testing::ProgramRun;
using ::tramvel::testing::ReadFile;
using ::tramvel::testing::RunProgram;
using ::tramvel::testing::TempFolder;
using ::tramvel::testing::WriteFile;
using ::testing::IsEmpty;
using Names = std::vector<std::string>;

std::string SendText(const std::string& host) {
  return "DOWNLOAD=NO;SERVER=" + host +
         ";USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;DIRWEB=Public_html/clientes/Vorin/;"
         "DIRDESTINO=C:\\ENVIAR\\;PROXY=;PROXYPASS=;";
}

std::string FetchText(const std::string& host) {
  return "DOWNLOAD=SI;SERVER=" + host +
         ";USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;DIRWEB=Public_html/clientes/Vorin\\;"
         "DIRDESTINO=C:\\RECIBIR\\;PROXY=;PROXYPASS=;";
}

std::string DeleteText(const std::string& host, const std::string& name) {
  return "DOWNLOAD=BORRAR;SERVER=" + host + ";USUARIO=qa417205;PASSWORD=Pol1984; ARCHIVO=" + name +
         ";DIRWEB=Public_html/clientes/Vorin\\;DIRDESTINO=C:\\RECIBIR\\;";
}

class ZarizE2e : public ::testing::Test {
 protected:
  std::string Root() const { return folder_.str(); }
  std::string Outbox() const { return Root() + "/C/ENVIAR"; }
  std::string Inbox() const { return Root() + "/C/RECIBIR"; }
  std::string ServerRoot() const { return Root() + "/server"; }
  std::string WebFolder() const { return ServerRoot() + "/Public_html/clientes/Vorin"; }

  // The server's host:port.
  std::string StartServer(const std::vector<std::string>& options = {}) {
    std::filesystem::create_directories(ServerRoot());
    server_ = std::make_unique<FtpTestServer>(ServerRoot(), options, Root() + "/server.log");
    EXPECT_NE(server_->Port(), 0) << ReadFile(Root() + "/server.log");
    return server_->Host();
  }

  // Retries keep their count but not their pauses, which would only slow
  // the tests down.
  ProgramRun Zariz(const std::string& text, std::map<std::string, std::optional<std::string>> settings = {}) {
    settings.emplace("TRAMVEL_DRIVE_C", Root() + "/C");
    settings.emplace("ZARIZ_RETRY_DELAY_MS", "1");
    return RunProgram(ZARIZ_PROGRAM, {text}, settings);
  }

  TempFolder folder_;
  std::unique_ptr<FtpTestServer> server_;
};

TEST_F(ZarizE2e, SendsTheOutboxAndFetchesItBackWhole) {
  const std::map<std::string, std::string> files = {
      {"MA_ARTICULOS.csv", Content(300000, 1)}, {"MA CLIENTES #1.csv", Content(1000, 2)}, {"vacío.txt", ""}};
  for (const auto& [name, content] : files) WriteFile(Outbox() + "/" + name, content);
  WriteFile(Outbox() + "/anterior/viejo.csv", "not sent: it is in a sub-folder");
  const std::string host = StartServer();

  const ProgramRun sent = Zariz(SendText(host));
  ASSERT_EQ(sent.exitCode, 0) << sent.errors;
  EXPECT_EQ(EntriesOf(WebFolder()), (Names{"MA CLIENTES #1.csv", "MA_ARTICULOS.csv", "vacío.txt"}));
  for (const auto& [name, content] : files) EXPECT_EQ(ReadFile(WebFolder() + "/" + name), content) << name;
  EXPECT_THAT(sent.output, HasSubstr("enviado MA_ARTICULOS.csv (300000 bytes)\n"));
  EXPECT_EQ(EntriesOf(Outbox()), (Names{"MA CLIENTES #1.csv", "MA_ARTICULOS.csv", "anterior", "vacío.txt"}));

  const ProgramRun fetched = Zariz(FetchText(host));
  ASSERT_EQ(fetched.exitCode, 0) << fetched.errors;
  EXPECT_EQ(EntriesOf(Inbox()), (Names{"MA CLIENTES #1.csv", "MA_ARTICULOS.csv", "vacío.txt"}));
  for (const auto& [name, content] : files) EXPECT_EQ(ReadFile(Inbox() + "/" + name), content) << name;
  EXPECT_THAT(fetched.output, HasSubstr("descargado MA CLIENTES #1.csv (1000 bytes)\n"));
}

class ZarizReplacingOnTheServer : public ZarizE2e, public ::testing::WithParamInterface<std::vector<std::string>> {};

// Some servers rename onto an existing file, others refuse to.
TEST_P(ZarizReplacingOnTheServer, ASecondSendReplacesTheFileOnTheServer) {
  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", "older delivery");
  WriteFile(Outbox() + "/MA_ARTICULOS.csv", "newer delivery");
  const ProgramRun sent = Zariz(SendText(StartServer(GetParam())));
  ASSERT_EQ(sent.exitCode, 0) << sent.errors;
  EXPECT_EQ(EntriesOf(WebFolder()), Names{"MA_ARTICULOS.csv"});
  EXPECT_EQ(ReadFile(WebFolder() + "/MA_ARTICULOS.csv"), "newer delivery");
}

INSTANTIATE_TEST_SUITE_P(Servers, ZarizReplacingOnTheServer,
                         ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"--no-rename-over"}),
                         [](const ::testing::TestParamInfo<std::vector<std::string>>& c) {
                           return c.param.empty() ? std::string("RenamesOver") : std::string("RefusesToRenameOver");
                         });

TEST_F(ZarizE2e, FetchSkipsSubFoldersAndFilesStillBeingSentAndReplacesAnOlderCopy) {
  WriteFile(WebFolder() + "/MA_CLIENTES.csv", "new rows");
  WriteFile(WebFolder() + "/MA_TARIFAS.csv.zariz-part", "half of a file someone is sending");
  WriteFile(WebFolder() + "/historico/2013.csv", "not fetched");
  WriteFile(Inbox() + "/MA_CLIENTES.csv", "old rows");
  const ProgramRun fetched = Zariz(FetchText(StartServer()));
  ASSERT_EQ(fetched.exitCode, 0) << fetched.errors;
  EXPECT_EQ(EntriesOf(Inbox()), Names{"MA_CLIENTES.csv"});
  EXPECT_EQ(ReadFile(Inbox() + "/MA_CLIENTES.csv"), "new rows");
}

TEST_F(ZarizE2e, FetchOfAWebFolderThatDoesNotExistBringsNothing) {
  WriteFile(Inbox() + "/Estados.txt", "kept");
  const ProgramRun fetched = Zariz(FetchText(StartServer()));
  EXPECT_EQ(fetched.exitCode, 0) << fetched.errors;
  EXPECT_EQ(EntriesOf(Inbox()), Names{"Estados.txt"});
}

// Names a hostile or careless sender may give web files. Each stays on the
// server, is told on standard error, and holds back nothing else.
TEST_F(ZarizE2e, FetchSkipsAndTellsEachNameThatCannotBeTakenAndFetchesTheRest) {
  const struct {
    const char* onServer;
    const char* told;  // how standard error names it
  } hostile[] = {
      {"nota.txt;PROXY=127.0.0.1:21600", "omitido nota.txt;PROXY=127.0.0.1:21600: su nombre lleva \";\""},
      {"MA_CLIENTES.csv;PROXY=", "omitido MA_CLIENTES.csv;PROXY=: su nombre lleva \";\""},
      {"..\\..\\victim2.txt", "omitido ..\\..\\victim2.txt: su nombre lleva una barra"},
      {"a\rb.csv", "omitido b.csv: el servidor no lo entrega"},  // the listing splits it in two lines
      {"tab\tname.csv", "omitido tab\\x09name.csv: su nombre lleva un carácter de control"},
      {"x\nhalf.csv", "omitido half.csv: el servidor no lo entrega"},  // the listing splits it in two lines
      {".zariz", "omitido .zariz: es un nombre reservado"},
      {"TESTIGO", "omitido TESTIGO: es un nombre reservado"},
      {"historico/2013.csv", "omitido historico: es una carpeta"},
  };
  for (const auto& c : hostile) WriteFile(WebFolder() + "/" + c.onServer, "not to be fetched");
  WriteFile(WebFolder() + "/MA_CLIENTES.csv", "rows");
  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", "more rows");

  const ProgramRun fetched = Zariz(FetchText(StartServer()));

  EXPECT_EQ(fetched.exitCode, 0) << fetched.errors;
  EXPECT_EQ(EntriesOf(Inbox()), (Names{"MA_ARTICULOS.csv", "MA_CLIENTES.csv"}));
  EXPECT_EQ(ReadFile(Inbox() + "/MA_CLIENTES.csv"), "rows");
  for (const auto& c : hostile) EXPECT_THAT(fetched.errors, HasSubstr("zariz: " + std::string(c.told)));
  EXPECT_EQ(EntriesOf(WebFolder()).size(), std::size(hostile) + 2);
}

// An account that may not list the web folder, or not even enter it, must
// not read as one with nothing to download, nor a deletion there as done.
struct Account {
  const char* name;
  const char* rights;  // pyftpdlib's: e enters a folder, l lists it, d deletes
  bool mayDelete;
};

class ZarizRefused : public ZarizE2e, public ::testing::WithParamInterface<Account> {};

TEST_P(ZarizRefused, AFolderTheAccountMayNotListIsAFailureNotAnEmptyFolder) {
  WriteFile(WebFolder() + "/MA_CLIENTES.csv", "rows");
  const std::string host = StartServer({"--perm", GetParam().rights});

  const ProgramRun fetched = Zariz(FetchText(host));
  EXPECT_EQ(fetched.exitCode, 3) << fetched.output;
  EXPECT_THAT(fetched.errors, HasSubstr("no se pudo listar la carpeta web"));
  EXPECT_THAT(fetched.output, ::testing::Not(HasSubstr("no existe")));
  EXPECT_THAT(EntriesOf(Inbox()), IsEmpty());

  const ProgramRun deleted = Zariz(DeleteText(host, "MA_CLIENTES.csv"));
  EXPECT_EQ(deleted.exitCode == 0, GetParam().mayDelete) << deleted.output << deleted.errors;
  EXPECT_EQ(EntriesOf(WebFolder()).empty(), GetParam().mayDelete);
}

INSTANTIATE_TEST_SUITE_P(Accounts, ZarizRefused,
                         ::testing::Values(Account{"NoList", "erdfw", true}, Account{"NoEnter", "lrdfw", false}),
                         [](const ::testing::TestParamInfo<Account>& c) { return std::string(c.param.name); });

TEST_F(ZarizE2e, DeleteTextDeletesTheOneNamedFile) {
  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", "a");
  WriteFile(WebFolder() + "/MA_CLIENTES.csv", "c");
  const ProgramRun deleted = Zariz(DeleteText(StartServer(), "MA_ARTICULOS.csv"));
  ASSERT_EQ(deleted.exitCode, 0) << deleted.errors;
  EXPECT_EQ(EntriesOf(WebFolder()), Names{"MA_CLIENTES.csv"});
  EXPECT_EQ(deleted.output, "borrado MA_ARTICULOS.csv\n");
}

TEST_F(ZarizE2e, DeletingAFileAlreadyGoneCountsAsDeleted) {
  WriteFile(WebFolder() + "/MA_CLIENTES.csv", "c");
  const std::string host = StartServer();
  const ProgramRun fileGone = Zariz(DeleteText(host, "MA_ARTICULOS.csv"));
  EXPECT_EQ(fileGone.exitCode, 0) << fileGone.errors;
  EXPECT_THAT(fileGone.output, HasSubstr("ya no estaba"));
  std::filesystem::remove_all(WebFolder());
  const ProgramRun folderGone = Zariz(DeleteText(host, "MA_CLIENTES.csv"));
  EXPECT_EQ(folderGone.exitCode, 0) << folderGone.errors;
}

// The other side may send a newer file of a received name before the job
// deletes it: that one stays for the next download.
TEST_F(ZarizE2e, DeletesOnlyTheVersionThatWasFetched) {
  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", "first delivery");
  WriteFile(WebFolder() + "/MA_CLIENTES.csv", "first delivery");
  const std::string host = StartServer();
  ASSERT_EQ(Zariz(FetchText(host)).exitCode, 0);

  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", "second, longer delivery");
  WriteFile(WebFolder() + "/MA_CLIENTES.csv", "later delivery");  // as long as the first
  const auto clientes = std::filesystem::path(WebFolder()) / "MA_CLIENTES.csv";
  std::filesystem::last_write_time(clientes, std::filesystem::last_write_time(clientes) + std::chrono::hours(1));
  for (const char* name : {"MA_ARTICULOS.csv", "MA_CLIENTES.csv"}) {
    const ProgramRun run = Zariz(DeleteText(host, name));
    EXPECT_EQ(run.exitCode, 3) << name;
    EXPECT_THAT(run.errors, HasSubstr("cambió después de la descarga")) << name;
  }
  EXPECT_EQ(EntriesOf(WebFolder()), (Names{"MA_ARTICULOS.csv", "MA_CLIENTES.csv"}));

  ASSERT_EQ(Zariz(FetchText(host)).exitCode, 0);
  EXPECT_EQ(ReadFile(Inbox() + "/MA_ARTICULOS.csv"), "second, longer delivery");
  for (const char* name : {"MA_ARTICULOS.csv", "MA_CLIENTES.csv"}) EXPECT_EQ(Zariz(DeleteText(host, name)).exitCode, 0);
  EXPECT_THAT(EntriesOf(WebFolder()), IsEmpty());
}

TEST_F(ZarizE2e, AServerThatIsDownGivesExitCode2AndLeavesTheLocalFoldersAlone) {
  WriteFile(Outbox() + "/MA_ARTICULOS.csv", "to send");
  WriteFile(Inbox() + "/MA_CLIENTES.csv", "received before");
  const std::string host = StartServer();
  server_->Stop();

  for (const std::string& text : {SendText(host), FetchText(host), DeleteText(host, "MA_CLIENTES.csv")}) {
    const ProgramRun run = Zariz(text);
    EXPECT_EQ(run.exitCode, 2) << text;
    EXPECT_THAT(run.errors, HasSubstr("Couldn't connect")) << text;
  }
  EXPECT_EQ(EntriesOf(Outbox()), Names{"MA_ARTICULOS.csv"});
  EXPECT_EQ(ReadFile(Outbox() + "/MA_ARTICULOS.csv"), "to send");
  EXPECT_EQ(EntriesOf(Inbox()), Names{"MA_CLIENTES.csv"});
  EXPECT_EQ(ReadFile(Inbox() + "/MA_CLIENTES.csv"), "received before");
}

TEST_F(ZarizE2e, AWrongPasswordGivesExitCode2) {
  std::string text = FetchText(StartServer());
  text.replace(text.find("Pol1984"), 7, "Pol1985");
  const ProgramRun run = Zariz(text);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.errors, HasSubstr("530"));
  EXPECT_THAT(EntriesOf(Inbox()), IsEmpty());
}

TEST_F(ZarizE2e, ABadParameterTextGivesExitCode1AndTouchesNothing) {
  WriteFile(Outbox() + "/MA_ARTICULOS.csv", "to send");
  std::string text = SendText(StartServer());
  text.replace(0, std::string("DOWNLOAD=NO").size(), "DOWNLOAD=QUIZAS");
  const ProgramRun run = Zariz(text);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.errors, HasSubstr("QUIZAS"));
  EXPECT_THAT(EntriesOf(ServerRoot()), IsEmpty());
}

TEST_F(ZarizE2e, ALocalFolderThatClimbsOutOfItsDriveGivesExitCode4AndFetchesNothing) {
  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", "delivery");
  std::string text = FetchText(StartServer());
  const std::string inbox = "DIRDESTINO=C:\\RECIBIR\\;";
  text.replace(text.find(inbox), inbox.size(), "DIRDESTINO=C:\\..\\..\\fuera\\;");
  const ProgramRun run = Zariz(text);
  EXPECT_EQ(run.exitCode, 4);
  EXPECT_THAT(run.errors, HasSubstr("sale de su unidad"));
  EXPECT_FALSE(std::filesystem::exists(Root() + "/fuera"));
  EXPECT_TRUE(std::filesystem::exists(WebFolder() + "/MA_ARTICULOS.csv"));
}

// A download that breaks off half-way, whether the server says so (426) or
// calls the short transfer complete, leaves the inbox as it was.
class ZarizCutOff : public ZarizE2e, public ::testing::WithParamInterface<const char*> {};

TEST_P(ZarizCutOff, LeavesNoPartOfTheFileAndKeepsTheOlderCopy) {
  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", Content(2 * 1024 * 1024, 3));
  WriteFile(WebFolder() + "/MA_CLIENTES.csv", "whole");
  WriteFile(Inbox() + "/MA_ARTICULOS.csv", "yesterday's delivery");
  const ProgramRun fetched = Zariz(FetchText(StartServer({GetParam(), "MA_ARTICULOS.csv"})));
  EXPECT_EQ(fetched.exitCode, 3);
  EXPECT_THAT(fetched.errors, HasSubstr("MA_ARTICULOS.csv"));
  EXPECT_EQ(EntriesOf(Inbox()), (Names{"MA_ARTICULOS.csv", "MA_CLIENTES.csv"}));
  EXPECT_EQ(ReadFile(Inbox() + "/MA_ARTICULOS.csv"), "yesterday's delivery");
  EXPECT_EQ(ReadFile(Inbox() + "/MA_CLIENTES.csv"), "whole");
}

INSTANTIATE_TEST_SUITE_P(Servers, ZarizCutOff, ::testing::Values("--cut", "--truncate"),
                         [](const ::testing::TestParamInfo<const char*>& c) {
                           return std::string(c.param).substr(2);
                         });

TEST_F(ZarizE2e, ADownloadCutOffOnceIsTriedAgainAndArrivesWhole) {
  const std::string content = Content(1024 * 1024, 4);
  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", content);
  const ProgramRun fetched = Zariz(FetchText(StartServer({"--cut-once", "MA_ARTICULOS.csv"})));
  ASSERT_EQ(fetched.exitCode, 0) << fetched.errors;
  EXPECT_THAT(fetched.errors, HasSubstr("reintento 1 de 3"));
  EXPECT_EQ(EntriesOf(Inbox()), Names{"MA_ARTICULOS.csv"});
  EXPECT_TRUE(ReadFile(Inbox() + "/MA_ARTICULOS.csv") == content);
}

// Only the control connection is shown here: pyftpdlib 1.5.7 resets the TLS
// data connections that curl opens (its issue 604), and a deletion needs
// none.
TEST_F(ZarizE2e, SpeaksTlsToAServerWhoseCertificateItTrustsOnly) {
  const std::string certificate = Root() + "/server.pem";
  WriteFile(WebFolder() + "/MA_ARTICULOS.csv", "a");
  const std::string host = "ftps://" + StartServer({"--tls-certificate", certificate});

  const ProgramRun untrusted = Zariz(DeleteText(host, "MA_ARTICULOS.csv"));
  EXPECT_EQ(untrusted.exitCode, 2);
  EXPECT_THAT(untrusted.errors, HasSubstr("certificate"));
  EXPECT_EQ(EntriesOf(WebFolder()), Names{"MA_ARTICULOS.csv"});

  const ProgramRun trusted = Zariz(DeleteText(host, "MA_ARTICULOS.csv"), {{"ZARIZ_CA_BUNDLE", certificate}});
  EXPECT_EQ(trusted.exitCode, 0) << trusted.errors;
  EXPECT_THAT(EntriesOf(WebFolder()), IsEmpty());
}

}  // namespace
}  // namespace tramvel::zariz::test
