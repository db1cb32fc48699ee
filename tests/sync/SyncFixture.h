#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "StandIns.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "startup/ProgramState.h"
#include "sync/ComponerEstado.h"
#include "sync/Sincronizacion.h"

namespace tramvel::testing {

// A site on disk: drive C: in a temporary folder, a program folder whose
// path holds a blank with the three outside programs as recording stand-ins,
// the configuration file naming the web server, and a connected session.
class SyncFixture : public ::testing::Test {
 protected:
  SyncFixture() {
    std::filesystem::create_directories(drive);
    InstallOutsidePrograms(programs);
    WriteFile(programs / "RO000vu.INI", "[FTP]\nServidor=ftp.vorin.example\n");
    platform.SetProgramFolder(programs.string());
    platform.SetEnv("TRAMVEL_INI", std::nullopt);
    platform.SetProgramsEndBeforeWatching(true);
    programa.Sesion().Servidor("SRV01");
    programa.Sesion().BaseDeDatos("GESTION");
    programa.Sesion().Usuario("ana");
    programa.Sesion().Password("x");
  }

  ResultadoTrabajo Run(bool subir) { return job.Sincronizar(subir); }

  // The program path as the job writes it on a command line.
  std::string Program(const std::string& name) const { return programs.string() + "/" + name; }

  std::vector<std::string> Recorded() const { return RecordedCommandLines(programs); }

  TempFolder temp;
  std::filesystem::path drive = temp.path() / "C";
  std::filesystem::path programs = temp.path() / "Program Files" / "Tramvel";
  TestPlatform platform{drive.string()};
  ProgramState programa{platform};
  std::vector<std::string> captions;
  std::vector<std::string> lines;
  Sincronizacion job{programa, VistaTrabajo{[this](const std::string& text) { captions.push_back(text); },
                                            [this](const std::string& l1, const std::string& l2,
                                                   const std::string& l3) {
                                              lines.push_back(ComponerEstado(l1, l2, l3));
                                            }}};
};

inline const std::string kSendText =
    "DOWNLOAD=NO;SERVER=ftp.vorin.example;USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;"
    "DIRWEB=Public_html/clientes/Vorin/;DIRDESTINO=C:\\ENVIAR\\;PROXY=;PROXYPASS=;";
inline const std::string kInterfaceText =
    " @server=SRV01; @dbname=GESTION; @usuario=ana; @Password=x; @ParametroAdicional=AUTO;";
inline const std::string kClosingLine = "PROCESO FINALIZADO...06/05/2014 18:37:00";
inline const std::string kStars(45, '*');
inline const std::string kDots(18, '.');

}  // namespace tramvel::testing
