#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "startup/IniciarSistema.h"
#include "startup/LaunchParameters.h"
#include "startup/NombreServidor.h"
#include "startup/ProgramState.h"

namespace tramvel {
namespace {

TEST(LaunchParameters, ReadsEachFieldOfTheLine) {
  struct Case {
    const char* line;
    const char* key;
    const char* value;
  } const cases[] = {
      {"@Menu=VENTAS;", "@Menu", "VENTAS"},
      {"@server=SRV01; @dbname=GESTION;", "@Server", "SRV01"},
      {"@server=SRV01; @dbname=GESTION;", "@DbName", "GESTION"},
      {"@parametroadicional=subir;", "@ParametroAdicional", "subir"},
      {"@ParametroAdicional = DESCARGAR ;", "@ParametroAdicional", "DESCARGAR"},
      {"@ParametroAdicional=;", "@ParametroAdicional", ""},
      // A key counts only where "=" follows it.
      {"@UsuarioLogeado=pepe; @Usuario=ana;", "@Usuario", "ana"},
      {"@UsuarioLogeado=pepe; @Usuario=ana;", "@UsuarioLogeado", "pepe"},
      {"@UsuarioLogeado=pepe;", "@Usuario", ""},
      // A value no semicolon closes runs to the end of the line.
      {"@Menu=VENTAS", "@Menu", "VENTAS"},
      {"@Caja=12", "@Caja", "12"},
      // Only the joining sign goes; a value keeps its own.
      {"@Password=a=b;", "@Password", "a=b"},
      {"@Server=#ORCL;", "@Server", "#ORCL"},
      {"", "@Menu", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LeerParametro(c.line, c.key), c.value) << c.line << " " << c.key;
  EXPECT_EQ(LeerParametro("@Menu=X;", "@Caja", "1"), "1");
}

TEST(NombreServidor, KeepsTheServerNameOnly) {
  struct Case {
    const char* in;
    const char* out;
  } const cases[] = {
      {"SRV01", "SRV01"}, {"SRV01:1433", "SRV01"}, {"TCP/SRV01", "SRV01"}, {"A/B/C", "B/C"},
      {"/SRV", "SRV"},    {"", ""},                {":1433", ""},           {"HOST/SRV01:1433", "SRV01"},
      {" SRV ", " SRV "},
  };
  for (const Case& c : cases) EXPECT_EQ(NombreServidor(c.in), c.out) << c.in;
}

class IniciarSistemaTest : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  testing::TestPlatform platform{temp.str()};
  ProgramState programa{platform};
  std::string lineaComando;
  std::string conexion;

  void Start(const std::string& line) {
    platform.SetEnv("TRAMVEL_INI", std::nullopt);
    platform.SetCommandLine(line);
    IniciarSistema(programa, false, lineaComando, conexion, 3);
  }
};

TEST_F(IniciarSistemaTest, FillsTheProgramValuesAndTheMainSession) {
  Start("@ParametroAdicional=SUBIR;@Server=SRV01:1433;@DbName=GESTION;@Usuario=ana;@Password=x;@Caja=3;");
  EXPECT_EQ(programa.gParametroAdicional, "SUBIR");
  EXPECT_EQ(programa.gCaja, "3");
  EXPECT_EQ(programa.gSeccionIni, "SRV|ANA");
  EXPECT_EQ(programa.Sesion().Servidor(), "SRV01");
  EXPECT_EQ(programa.Sesion().BaseDeDatos(), "GESTION");
  EXPECT_EQ(programa.Sesion().Usuario(), "ana");
  EXPECT_EQ(programa.Sesion().Password(), "x");
  EXPECT_TRUE(conexion.empty());
}

TEST_F(IniciarSistemaTest, AnOracleServerBuildsTheInitialConnection) {
  Start("@Server=#ORCL;@DbName=VENTAS;@Usuario=u;@Password=p;");
  EXPECT_EQ(programa.Sesion().Servidor(), "ORCL");
  EXPECT_EQ(conexion, "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=u;Password=p;");
  EXPECT_EQ(programa.gCaja, "1");
}

TEST_F(IniciarSistemaTest, TheSectionNameIsCutToFiftyCharacters) {
  platform.SetComputerName(std::string(40, 'm'));
  platform.SetUserName(std::string(20, 'u'));
  Start("");
  EXPECT_EQ(programa.gSeccionIni, std::string(40, 'M') + "|" + std::string(9, 'U'));
}

TEST_F(IniciarSistemaTest, FlatToolbarsComesFromTheConfigurationFile) {
  platform.SetProgramFolder(temp.str());
  testing::WriteFile(temp.path() / "RO000vu.INI", "[SRV|ANA]\nFlatToolbars=0\n");
  Start("");
  EXPECT_EQ(programa.gFlatToolbars, 0);
}

}  // namespace
}  // namespace tramvel
