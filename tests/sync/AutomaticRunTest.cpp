#include <gtest/gtest.h>

#include <filesystem>

#include "BaseEmbebida.h"
#include "RunProgram.h"
#include "StandIns.h"
#include "TempFolder.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kConexion = "@Server=SRV01;@DbName=GESTION;@Usuario=ana;@Password=x;";

// The built program copied into a program folder whose path holds a blank,
// with stand-ins beside it and its embedded database GESTION on the server
// SRV01, run as a scheduled task would run it.
class AutomaticRun : public ::testing::Test {
 protected:
  AutomaticRun() {
    InstallOutsidePrograms(programs);
    fs::copy_file(ProgramDir() / "tramvel", programs / "tramvel");
    WriteFile(programs / "RO000vu.INI", "[FTP]\nServidor=127.0.0.1:2121\n");
    CrearBaseConTablas((temp.path() / "C" / "TRAMVEL" / "DATOS" / "SRV01").string(), "GESTION");
  }

  ProgramRun Tramvel(const std::vector<std::string>& args) {
    return RunProgram((programs / "tramvel").string(), args,
                      {{"TRAMVEL_DRIVE_C", (temp.path() / "C").string()},
                       {"TRAMVEL_INI", std::nullopt},
                       {"DISPLAY", std::nullopt},
                       {"WAYLAND_DISPLAY", std::nullopt},
                       {"QT_QPA_PLATFORM", std::nullopt}});
  }

  TempFolder temp;
  fs::path programs = temp.path() / "Program Files" / "Tramvel";
};

TEST_F(AutomaticRun, UploadsFromARealCommandLineAndExitsZero) {
  const ProgramRun run =
      Tramvel({"@parametroadicional=subir;", "@Server=SRV01:1433;@DbName=GESTION;@Usuario=ana;@Password=x;"});
  ASSERT_TRUE(run.exitedNormally);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  const std::string prefix = programs.string() + "/";
  EXPECT_EQ(RecordedCommandLines(programs),
            (std::vector<std::string>{
                prefix + "INTERFACEENVIOMAESTROS.EXE  @server=SRV01; @dbname=GESTION; @usuario=ana; @Password=x; "
                         "@ParametroAdicional=AUTO;",
                prefix + "zariz.exe DOWNLOAD=NO;SERVER=127.0.0.1:2121;USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;"
                         "DIRWEB=Public_html/clientes/Vorin/;DIRDESTINO=C:\\ENVIAR\\;PROXY=;PROXYPASS=;"}));
  EXPECT_EQ(run.output.rfind("Subiendo archivo \nSubiendo archivo TODOS\n..................\nPROCESO FINALIZADO...", 0), 0u)
      << run.output;
  EXPECT_NE(run.output.find("\n*********************************************\n"), std::string::npos);
  EXPECT_TRUE(run.errors.empty()) << run.errors;
  // The start wrote the search definitions and logged the access.
  EXPECT_EQ(fs::file_size(programs / "consultas.dwk"), 13222u);
  const auto base = ado::OpenSqliteConnection((temp.path() / "C" / "TRAMVEL" / "DATOS" / "SRV01").string(), "GESTION");
  const auto filas = base->Execute("SELECT Usuario, Formulario, NombreUsuario FROM Control_Acceso");
  ASSERT_FALSE(filas->Eof());
  EXPECT_EQ(filas->Fields("Usuario").Value().ToText(), "ANA");
  EXPECT_EQ(filas->Fields("Formulario").Value().ToText(), "TRAMVEL");
  filas->MoveNext();
  EXPECT_TRUE(filas->Eof());
}

// The site's database lies outside the drive here, so that the drive's
// folder can be missing altogether, as on a machine where nothing has run.
TEST_F(AutomaticRun, AFirstJobOnAFreshMachineMakesTheDriveFolder) {
  const fs::path datos = temp.path() / "datos";
  WriteFile(programs / "RO000vu.INI",
            "[FTP]\nServidor=127.0.0.1:2121\n[BaseDeDatos]\nCarpeta=" + datos.string() + "\n");
  CrearBaseConTablas((datos / "SRV01").string(), "GESTION");
  fs::remove_all(temp.path() / "C");
  const ProgramRun run =
      Tramvel({"@ParametroAdicional=SUBIR;@Server=SRV01;@DbName=GESTION;@Usuario=ana;@Password=x;"});
  ASSERT_TRUE(run.exitedNormally);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(fs::is_directory(temp.path() / "C" / "ENVIAR"));
  EXPECT_EQ(RecordedCommandLines(programs).size(), 2u);
}

TEST_F(AutomaticRun, DownloadsFromARealCommandLine) {
  const fs::path inbox = temp.path() / "C" / "RECIBIR";
  WriteFile(inbox / "MA_CLIENTES.csv", "Codigo\n1\n");
  WriteFile(inbox / "Estados.txt", "estado");
  const ProgramRun run =
      Tramvel({"@ParametroAdicional=DESCARGAR;@Server=SRV01;@DbName=GESTION;@Usuario=ana;@Password=x;"});
  ASSERT_TRUE(run.exitedNormally);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  const auto recorded = RecordedCommandLines(programs);
  ASSERT_EQ(recorded.size(), 3u);
  EXPECT_EQ(recorded[2], programs.string() +
                             "/zariz.exe DOWNLOAD=BORRAR;SERVER=127.0.0.1:2121;USUARIO=qa417205;PASSWORD=Pol1984; "
                             "ARCHIVO=MA_CLIENTES.csv;DIRWEB=Public_html/clientes/Vorin\\;DIRDESTINO=C:\\RECIBIR\\;");
  EXPECT_FALSE(fs::exists(inbox / "MA_CLIENTES.csv"));
  EXPECT_TRUE(fs::exists(inbox / "Estados.txt"));
  bool witnessed = false;
  for (const auto& entry : fs::recursive_directory_iterator(inbox / "TESTIGO")) {
    witnessed = witnessed || entry.path().filename() == "MA_CLIENTES.csv";
  }
  EXPECT_TRUE(witnessed);
  EXPECT_NE(run.output.find("Descargado C:\\RECIBIR\\MA_CLIENTES.csv\n"), std::string::npos) << run.output;
}

TEST_F(AutomaticRun, AFailedSendExitsOneAndAMissingClientSaysSoOnStandardError) {
  InstallStandIn(programs, "zariz.exe", 4);
  ProgramRun run = Tramvel({"@ParametroAdicional=SUBIR;" + kConexion});
  ASSERT_TRUE(run.exitedNormally);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("Error al enviar el : TODOS\n"), std::string::npos);

  fs::remove(programs / "zariz.exe");
  run = Tramvel({"@ParametroAdicional=SUBIR;" + kConexion});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("NO SE ENCUENTRA EL CLIENTE FTP ZARIZ"), std::string::npos);
}

TEST_F(AutomaticRun, WithoutAJobOrADisplayNothingRuns) {
  const ProgramRun run = Tramvel({"@Menu=VENTAS;" + kConexion});
  ASSERT_TRUE(run.exitedNormally);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.errors.find("no display"), std::string::npos);
  EXPECT_TRUE(RecordedCommandLines(programs).empty());
}

TEST_F(AutomaticRun, WithoutItsDatabaseAJobExitsTwoWithTheConnectionsMessage) {
  const ProgramRun run = Tramvel({"@ParametroAdicional=SUBIR;@Server=SRV01;@DbName=NOEXISTE;@Usuario=ana;"});
  ASSERT_TRUE(run.exitedNormally);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.errors.find("Cannot open database \"NOEXISTE\" requested by the login."), std::string::npos)
      << run.errors;
  EXPECT_TRUE(RecordedCommandLines(programs).empty());
  EXPECT_FALSE(fs::exists(programs / "consultas.dwk"));
}

TEST_F(AutomaticRun, HelpNamesTheParametersAndTheConfiguration) {
  const ProgramRun run = Tramvel({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  for (const char* text : {"@ParametroAdicional=SUBIR;", "DESCARGAR", "RO000vu.INI", "TRAMVEL_DRIVE_C", "Exit status"}) {
    EXPECT_NE(run.output.find(text), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace tramvel::testing
