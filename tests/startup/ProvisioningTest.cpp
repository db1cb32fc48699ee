#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SitioGrabado.h"
#include "platform/MessageBoxStyle.h"
#include "startup/CrearBaseDeDatos.h"
#include "startup/ProgramState.h"
#include "startup/ProvisionarLogin.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kAlta = "EXEC  sp_addlogin N'LOGSTAT', 'pw', 'BASEST','Spanish'";
const std::string kRolesServidor =
    " EXEC sp_addsrvrolemember N'LOGSTAT', sysadmin EXEC sp_addsrvrolemember N'LOGSTAT', securityadmin"
    " EXEC sp_addsrvrolemember N'LOGSTAT', serveradmin EXEC sp_addsrvrolemember N'LOGSTAT',  setupadmin"
    " EXEC sp_addsrvrolemember N'LOGSTAT', processadmin EXEC sp_addsrvrolemember N'LOGSTAT', diskadmin"
    " EXEC sp_addsrvrolemember N'LOGSTAT', dbcreator";
const std::string kAcceso = " EXEC sp_grantdbaccess @loginame = 'LOGSTAT' , @name_in_db ='LOGSTAT'";
const std::string kRolesBase =
    " EXEC sp_addrolemember N'db_accessadmin', N'LOGSTAT' EXEC sp_addrolemember N'db_backupoperator', N'LOGSTAT'"
    " EXEC sp_addrolemember N'db_datareader', N'LOGSTAT' EXEC sp_addrolemember N'db_datawriter', N'LOGSTAT'"
    " EXEC sp_addrolemember N'db_ddladmin', N'LOGSTAT' EXEC sp_addrolemember N'db_owner', N'LOGSTAT'"
    " EXEC sp_addrolemember N'db_securityadmin', N'LOGSTAT'";

std::string Fixture(const char* name) { return ReadFile(fs::path(TRAMVEL_FIXTURES_DIR) / name); }

// A main session on server "TCP/SRV01:1433" over a recording engine, the
// schema file of the statistics database in the program folder, TEMP set.
class Provisioning : public ::testing::Test {
 protected:
  Provisioning() {
    fs::create_directories(temp.path() / "bin");
    fs::create_directories(temp.path() / "TEMP");
    platform.SetProgramFolder((temp.path() / "bin").string());
    platform.SetEnv("TEMP", "  C:\\TEMP  ");
    WriteFile(temp.path() / "bin" / "completodwe.sql", "-- el esquema\r\n");
    sitio.Enviado();
  }

  SitioGrabado sitio{"TCP/SRV01:1433"};
  RecordingEngine& engine = sitio.engine;
  const TempFolder& temp = sitio.temp;
  TestPlatform& platform = sitio.platform;
  std::vector<ado::ConnectionSettings>& opened = sitio.abiertas;
  ProgramState& programa = sitio.programa;
};

TEST_F(Provisioning, TheFirstErrorOfTheLoginDecidesWhatFollows) {
  struct Case {
    const char* name;
    ado::ErrorList alta;
    std::vector<std::string> sent;
    const char* box;
    bool script;
  } const cases[] = {
      {"politica",
       {{15116, "La contraseña no cumple la directiva.", "SQL"}, {15025, "", "SQL"}},
       {kAlta},
       "La contraseña no cumple la directiva.\r\nDebe cambiar la contraseña del Usuario LOGSTAT para que cumpla con "
       "las directivas de Windows.",
       false},
      {"sinBase", {{15010, "La base no existe.", "SQL"}}, {kAlta, kRolesServidor, kAcceso, kRolesBase}, nullptr, true},
      {"existe", {{15025, "Ya existe.", "SQL"}}, {kAlta, kRolesServidor, kAcceso, kRolesBase}, nullptr, false},
      {"otro", {{2812, "Could not find stored procedure 'sp_addlogin'.", "SQL"}}, {kAlta}, nullptr, false},
      {"ninguno", {}, {kAlta, kRolesServidor, kAcceso, kRolesBase}, nullptr, false},
  };
  for (const Case& c : cases) {
    fs::remove(temp.path() / "TEMP" / "CDB7.SQL");
    const std::size_t boxes = platform.Boxes().size();
    engine.Report("EXEC  sp_addlogin", c.alta);
    // Errors of the role statements are never looked at.
    engine.Report(" EXEC sp_addsrvrolemember", {{15247, "Sin permiso.", "SQL"}});
    ProvisionarLogin(programa, "BASEST", "LOGSTAT", "pw");
    EXPECT_EQ(sitio.Enviado(), c.sent) << c.name;
    ASSERT_EQ(platform.Boxes().size(), boxes + (c.box ? 1 : 0)) << c.name;
    if (c.box) {
      EXPECT_EQ(platform.Boxes().back().text, c.box);
      EXPECT_EQ(platform.Boxes().back().style, mb::kOkOnly);
      EXPECT_EQ(platform.Boxes().back().title, "");
    }
    EXPECT_EQ(fs::exists(temp.path() / "TEMP" / "CDB7.SQL"), c.script) << c.name;
  }
  // The missing database's script names the statistics database, and the
  // statistics session went to it.
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1].database, "DW_ESTADISTICAS");
  EXPECT_TRUE(programa.SesionEstadisticas().Conectado());
}

TEST_F(Provisioning, AnOracleConnectionGetsOneTextOfSeventyFiveLines) {
  programa.Sesion().CadenaConexion("Provider=oraoledb.oracle.1;Data Source=ORCL;");
  engine.Report("CREATE USER", {{1920, "ORA-01920: user name conflicts", "Oracle"}});
  ProvisionarLogin(programa, "DW_ESTADISTICAS", "DW_ESTADISTICAS", "DW_CONTROLDATOS");
  const std::vector<std::string> sent = sitio.Enviado();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], Fixture("LoginOracle.txt"));
  EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(Provisioning, AnyOtherFailureGoesToTheErrorDialogWithoutARoutine) {
  programa.Sesion().Conectado(false);
  platform.SetEnv("TMP", "C:\\TEMP");
  platform.QueueAnswers({mb::kAbort});
  ProvisionarLogin(programa, "BASEST", "LOGSTAT", "pw");
  ASSERT_EQ(platform.Boxes().size(), 1u);
  EXPECT_EQ(platform.Boxes()[0].title, "SesionDatos Aviso al operador!!! ");
  EXPECT_NE(
      ReadFile(temp.path() / "TEMP" / "DWERR.LOG").find(" Rutina:  Mensaje Ha ocurrido el Siguiente Error (3709)"),
      std::string::npos);
}

TEST_F(Provisioning, TheCreationScriptIsWrittenByteForByteAndTheStatisticsSessionMoves) {
  for (int vez = 0; vez < 2; ++vez) {
    CrearBaseDeDatos(programa, "TCP/SRV01:1433", "x", "y", " DW_ESTADISTICAS ");
    EXPECT_EQ(ReadFile(temp.path() / "TEMP" / "CDB7.SQL"), Fixture("CDB7.SQL"));
  }
  ASSERT_EQ(opened.size(), 3u);
  for (const ado::ConnectionSettings& ajustes : {opened[1], opened[2]}) {
    EXPECT_EQ(ajustes.server, "SRV01");
    EXPECT_EQ(ajustes.database, "DW_ESTADISTICAS");
    EXPECT_EQ(ajustes.user, "DW_ESTADISTICAS");
    EXPECT_EQ(ajustes.password, "DW_CONTROLDATOS");
  }
  EXPECT_EQ(programa.SesionEstadisticas().Conexion().DefaultDatabase(), "DW_ESTADISTICAS");
  EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(Provisioning, WithoutTempTheScriptGoesToTheWorkstationsFolder) {
  fs::create_directories(temp.path() / "OTRO");
  platform.SetEnv("TEMP", "");
  platform.SetEnv("TMP", "C:\\OTRO");
  CrearBaseDeDatos(programa, "SRV01", "", "", "DW_ESTADISTICAS");
  EXPECT_EQ(ReadFile(temp.path() / "OTRO" / "CDB7.SQL"), Fixture("CDB7.SQL"));
}

TEST_F(Provisioning, TheSchemaFileIsLookedForInTheInstalledDataFolderToo) {
  fs::remove(temp.path() / "bin" / "completodwe.sql");
  CrearBaseDeDatos(programa, "SRV01", "", "", "DW_ESTADISTICAS");
  ASSERT_EQ(platform.Boxes().size(), 1u);
  EXPECT_EQ(platform.Boxes()[0].text, "No se encuentra el archivo " + temp.str() +
                                          "\\share\\tramvel\\completodwe.sql, Por favor, ingrese la ruta donde se "
                                          "encuentra! ");
  EXPECT_EQ(platform.Boxes()[0].style, mb::kOkOnly);
  EXPECT_FALSE(fs::exists(temp.path() / "TEMP" / "CDB7.SQL"));
  EXPECT_EQ(opened.size(), 1u);

  fs::create_directories(temp.path() / "share" / "tramvel");
  WriteFile(temp.path() / "share" / "tramvel" / "completodwe.sql", "-- el esquema\r\n");
  CrearBaseDeDatos(programa, "SRV01", "", "", "DW_ESTADISTICAS");
  EXPECT_TRUE(fs::exists(temp.path() / "TEMP" / "CDB7.SQL"));
  EXPECT_EQ(platform.Boxes().size(), 1u);
}

}  // namespace
}  // namespace tramvel::testing
