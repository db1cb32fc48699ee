// The master data of one site reach another through a real FTP server, as
// two scheduled jobs move them: tramvel with SUBIR on site A, tramvel with
// DESCARGAR on site B, with the real zariz.exe and interface programs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "FtpTestServer.h"
#include "Site.h"
#include "StandIns.h"
#include "TempFolder.h"

namespace tramvel::interfaces::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using ::tramvel::testing::ProgramRun;
using ::tramvel::testing::ReadFile;
using ::tramvel::testing::TempFolder;
using ::tramvel::testing::WriteFile;
using ::tramvel::testing::FtpTestServer;
using Names = std::set<std::string>;

// The files directly in a folder, without sub-folders.
Names FilesIn(const fs::path& folder) {
  Names names;
  if (!fs::exists(folder)) return names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  }
  return names;
}

// The names of every file below a folder.
Names FilesBelow(const fs::path& folder) {
  Names names;
  if (!fs::exists(folder)) return names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  }
  return names;
}

class MasterDataE2e : public ::testing::Test {
 protected:
  fs::path ServerRoot() const { return folder_.path() / "server"; }
  fs::path WebFolder() const { return ServerRoot() / "Public_html" / "clientes" / "Vorin"; }

  void StartServer(const std::vector<std::string>& options = {}) {
    fs::create_directories(ServerRoot());
    server_ = std::make_unique<FtpTestServer>(ServerRoot().string(), options, (folder_.path() / "server.log").string());
    ASSERT_NE(server_->Port(), 0) << ReadFile(folder_.path() / "server.log");
    a_.Configure(server_->Host());
    b_.Configure(server_->Host());
  }

  ProgramRun Tramvel(const Site& site, const std::string& job, const fs::path& programs = testing::ProgramDir()) {
    return site.Run(programs, "tramvel", {Site::LaunchText(job)});
  }

  // Site B's own program folder, whose import runs the shell lines `first`
  // before it does its work.
  fs::path ProgramsWhoseImportFirstRuns(const std::string& first) {
    const fs::path programs = folder_.path() / "programs B";
    fs::create_directories(programs);
    for (const char* name : {"tramvel", "zariz.exe", "INTERFACEENVIOMAESTROS.EXE"}) {
      fs::copy_file(testing::ProgramDir() / name, programs / name);
    }
    fs::copy_file(testing::ProgramDir() / "INTERFACERECEPMAESTROS.EXE", programs / "import");
    WriteFile(programs / "INTERFACERECEPMAESTROS.EXE",
              "#!/bin/sh\n" + first + "\nexec '" + (programs / "import").string() + "' \"$@\"\n");
    fs::permissions(programs / "INTERFACERECEPMAESTROS.EXE", fs::perms::owner_all);
    return programs;
  }

  void CheckBHoldsWhatAHolds() {
    for (const std::string& table : MasterTableNames()) EXPECT_EQ(b_.Rows(table), a_.Rows(table)) << table;
  }

  TempFolder folder_;
  Site a_{folder_.path() / "A"};
  Site b_{folder_.path() / "B"};
  std::unique_ptr<FtpTestServer> server_;
};

TEST_F(MasterDataE2e, WhatSiteAUploadsSiteBDownloadsLoadsAndWitnesses) {
  FillMasterData(a_);
  StartServer();

  const ProgramRun up = Tramvel(a_, "SUBIR");
  ASSERT_EQ(up.exitCode, 0) << up.output << up.errors;
  EXPECT_EQ(FilesIn(WebFolder()), MasterFileNames());

  const ProgramRun down = Tramvel(b_, "DESCARGAR");
  ASSERT_EQ(down.exitCode, 0) << down.output << down.errors;
  CheckBHoldsWhatAHolds();
  EXPECT_EQ(FilesIn(WebFolder()), Names{});
  EXPECT_EQ(FilesBelow(b_.Inbox() / "TESTIGO"), MasterFileNames());
  EXPECT_EQ(FilesIn(b_.Inbox()), Names{});
  EXPECT_THAT(down.output, HasSubstr("MA_CLIENTES: 3 filas cargadas desde C:\\RECIBIR\\MA_CLIENTES.csv"));
  // Each start connected to its site's database and logged its access there.
  for (const Site* site : {&a_, &b_}) {
    EXPECT_EQ(site->Rows("Control_Acceso").size(), 1u);
    EXPECT_TRUE(site->Rows("AUX_ERR").empty());
  }
}

TEST_F(MasterDataE2e, ASiteWithoutItsDatabaseRunsNoJob) {
  StartServer();
  const ProgramRun up = a_.Run("tramvel", {"@ParametroAdicional=SUBIR;@Server=LOCAL;@DbName=OTRA;@Usuario=sa;"});
  EXPECT_EQ(up.exitCode, 2);
  EXPECT_THAT(up.errors, HasSubstr("Cannot open database \"OTRA\" requested by the login."));
  EXPECT_EQ(FilesIn(a_.Outbox()), Names{});
  EXPECT_EQ(FilesIn(WebFolder()), Names{});
}

TEST_F(MasterDataE2e, WithTheServerDownTheSendFailsAndTheOutboxStaysWhole) {
  FillMasterData(a_);
  StartServer();
  server_->Stop();

  const ProgramRun up = Tramvel(a_, "SUBIR");
  EXPECT_EQ(up.exitCode, 1) << up.output << up.errors;
  EXPECT_THAT(up.output, HasSubstr("Error al enviar el : TODOS"));
  EXPECT_EQ(FilesIn(a_.Outbox()), MasterFileNames());
  // The outbox holds a complete export, which the next upload sends again:
  // each file ends with its last row.
  const std::string tarifas = ReadFile(a_.Outbox() / "TA_TARIFAS_ARTICULOS.csv");
  EXPECT_EQ(std::count(tarifas.begin(), tarifas.end(), '\n'), 5);  // the header and four rows
  EXPECT_EQ(tarifas.substr(tarifas.size() - 2), "\r\n");
}

TEST_F(MasterDataE2e, AFileReachingTheWebFolderAfterTheFetchIsNotDeleted) {
  FillMasterData(a_);
  StartServer();
  ASSERT_EQ(Tramvel(a_, "SUBIR").exitCode, 0);

  // Site B's import is preceded by another upload that lands while the
  // download is under way, after its fetch.
  const fs::path late = WebFolder() / "TA_LLEGADA_TARDE.csv";
  const fs::path programs = ProgramsWhoseImportFirstRuns("printf 'A\\r\\n1\\r\\n' > '" + late.string() + "'");

  const ProgramRun down = Tramvel(b_, "DESCARGAR", programs);
  ASSERT_EQ(down.exitCode, 0) << down.output << down.errors;
  CheckBHoldsWhatAHolds();
  EXPECT_EQ(FilesIn(WebFolder()), Names{"TA_LLEGADA_TARDE.csv"});
}

// The server goes away after the fetch, while site B imports: the first web
// deletion finds nobody and the job stops deleting; every file is kept in
// the inbox and on the server, and the next download takes it all again.
TEST_F(MasterDataE2e, WithTheServerGoneAfterTheFetchTheDeletionsStopAndTheFilesComeAgain) {
  FillMasterData(a_);
  StartServer();
  ASSERT_EQ(Tramvel(a_, "SUBIR").exitCode, 0);

  // The import stops the server and goes on once it is dead (a zombie of
  // this test's, which reaps it later).
  const std::string pid = std::to_string(server_->Pid());
  const fs::path programs =
      ProgramsWhoseImportFirstRuns("kill -KILL " + pid + "\nwhile ! grep -q '^State:.*Z' /proc/" + pid + "/status; do :; done");

  const ProgramRun down = Tramvel(b_, "DESCARGAR", programs);
  EXPECT_EQ(down.exitCode, 1) << down.output << down.errors;
  EXPECT_THAT(down.output,
              HasSubstr("No se puede conectar con el servidor FTP: no se borran los demás archivos de la Web"));
  std::size_t deletions = 0;
  for (std::size_t at = down.output.find("Borrando procesados"); at != std::string::npos;
       at = down.output.find("Borrando procesados", at + 1)) {
    ++deletions;
  }
  EXPECT_EQ(deletions, 1u) << down.output;
  CheckBHoldsWhatAHolds();
  EXPECT_EQ(FilesIn(WebFolder()), MasterFileNames());
  EXPECT_EQ(FilesIn(b_.Inbox()), MasterFileNames());

  StartServer();
  const ProgramRun again = Tramvel(b_, "DESCARGAR");
  EXPECT_EQ(again.exitCode, 0) << again.output << again.errors;
  CheckBHoldsWhatAHolds();
  EXPECT_EQ(FilesIn(WebFolder()), Names{});
  EXPECT_EQ(FilesIn(b_.Inbox()), Names{});
}

TEST_F(MasterDataE2e, ADownloadCutOffHalfWayLeavesNoPartOfItInTheInbox) {
  FillMasterData(a_);
  StartServer({"--cut", "MA_CLIENTES.csv"});
  ASSERT_EQ(Tramvel(a_, "SUBIR").exitCode, 0);

  const ProgramRun down = Tramvel(b_, "DESCARGAR");
  EXPECT_EQ(down.exitCode, 1) << down.output << down.errors;
  EXPECT_THAT(FilesBelow(b_.Inbox()), Not(::testing::Contains(HasSubstr("MA_CLIENTES"))));
  for (const std::string& table : MasterTableNames()) EXPECT_EQ(b_.Rows(table), std::vector<std::string>{}) << table;
  EXPECT_EQ(FilesIn(WebFolder()), MasterFileNames());
}

TEST_F(MasterDataE2e, ABadFileInADeliveryLoadsNothingAndEveryWebFileStays) {
  FillMasterData(a_);
  b_.Execute("INSERT INTO MA_CLIENTES (CODIGO, RAZON_SOCIAL) VALUES ('B1', 'de B')");
  StartServer();
  ASSERT_EQ(Tramvel(a_, "SUBIR").exitCode, 0);
  WriteFile(WebFolder() / "MA_DESTINATARIOS.csv", "CODIGO,SUCURSAL,TELEFONO\r\nC0001,001,555\r\n");

  const ProgramRun down = Tramvel(b_, "DESCARGAR");
  EXPECT_EQ(down.exitCode, 1) << down.output << down.errors;
  EXPECT_THAT(down.errors, HasSubstr("C:\\RECIBIR\\MA_DESTINATARIOS.csv, línea 1, columna TELEFONO"));
  EXPECT_THAT(down.output, HasSubstr("Error al tomar el archivo"));
  EXPECT_EQ(b_.Rows("MA_CLIENTES").size(), 1u);
  EXPECT_EQ(b_.Rows("MA_ARTICULOS"), std::vector<std::string>{});
  EXPECT_EQ(FilesIn(WebFolder()), MasterFileNames());
}

TEST_F(MasterDataE2e, ASecondDownloadAfterACompleteOneFetchesAndDeletesNothing) {
  FillMasterData(a_);
  StartServer();
  ASSERT_EQ(Tramvel(a_, "SUBIR").exitCode, 0);
  ASSERT_EQ(Tramvel(b_, "DESCARGAR").exitCode, 0);

  const ProgramRun again = Tramvel(b_, "DESCARGAR");
  EXPECT_EQ(again.exitCode, 0) << again.output << again.errors;
  EXPECT_THAT(again.output, Not(HasSubstr("descargado ")));
  EXPECT_THAT(again.output, Not(HasSubstr("Borrando procesados")));
  EXPECT_THAT(again.output, HasSubstr("ningún archivo de tablas maestras"));
  CheckBHoldsWhatAHolds();
  EXPECT_EQ(FilesBelow(b_.Inbox() / "TESTIGO"), MasterFileNames());
}

}  // namespace
}  // namespace tramvel::interfaces::test
