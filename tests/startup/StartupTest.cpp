#include <gtest/gtest.h>

#include "BaseEmbebida.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "ado/Connection.h"
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
      {"SRV01", "SRV01"}, {"SRV01:1433", "SRV01"}, {"TCP/SRV01", "SRV01"},       {"A/B/C", "B/C"},   {"/SRV", "SRV"},
      {"", ""},           {":1433", ""},           {"HOST/SRV01:1433", "SRV01"}, {" SRV ", " SRV "},
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

// The program folder with its configuration and the embedded database
// GESTION on the server LOCAL, started with its launch parameters.
class Arranque : public ::testing::Test {
 protected:
  Arranque() { testing::PrepararServidor(platform, temp, "sqlite"); }

  bool Start(ProgramState& estado, const std::string& line) {
    platform.SetCommandLine(line);
    std::string lineaComando;
    std::string conexion;
    return IniciarSistema(estado, false, lineaComando, conexion, 3);
  }

  int64_t Accesos() {
    const auto filas = programa.Sesion().Conexion().Execute("SELECT COUNT(*) AS n FROM Control_Acceso");
    return filas->Fields("n").Value().ToInteger();
  }

  std::string Consultas() const { return testing::ReadFile(temp.path() / "consultas.dwk"); }

  static constexpr const char* kLinea =
      "@ParametroAdicional=SUBIR;@Server=TCP/LOCAL:1433;@DbName=GESTION;@Usuario=sa;@Password=x;";
  testing::TempFolder temp;
  testing::TestPlatform platform{temp.str()};
  ProgramState programa{platform};
};

TEST_F(Arranque, ConnectsSetsUpTheSessionWritesTheSearchDefinitionsAndLogsTheAccess) {
  ASSERT_TRUE(Start(programa, kLinea));
  SesionDatos& sesion = programa.Sesion();
  ASSERT_TRUE(sesion.Conectado());
  EXPECT_EQ(sesion.Servidor(), "LOCAL");
  EXPECT_EQ(sesion.Conexion().CommandTimeout(), 360);
  EXPECT_EQ(sesion.Conexion().IsolationLevel(), ado::adXactReadUncommitted);
  EXPECT_EQ(programa.gUsuarioLogeado, "sa");
  EXPECT_EQ(programa.gCadenaDSN, "DSN=GESTION; UID=sa; PWD=x");
  const std::string rutaApp = temp.str() + "/";
  EXPECT_EQ(programa.archivoAyuda, rutaApp + "htmlhelp\\quenvar.chm");
  EXPECT_EQ(programa.Rutas().RutaAplicacion(), rutaApp);
  EXPECT_EQ(programa.ConsultasSistema().ArchivoConsultas(), rutaApp + "consultas.dwk");
  EXPECT_EQ(programa.ConsultasSistema().MotorDatos(), "SQLITE");
  EXPECT_TRUE(programa.ConsultasSistema().Habilitado());
  EXPECT_EQ(Consultas().size(), 13222u);
  // The settings were loaded from the empty configuration table.
  EXPECT_EQ(programa.Configuracion.Top_Default, "1000");
  EXPECT_EQ(programa.gColorFondo, 16776960);
  EXPECT_EQ(Accesos(), 1);
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(Arranque, TheMainSessionTakesTheTimeOutOfTheStatisticsDatabase) {
  const std::string servidor = platform.NativePath("C:\\DATOS\\LOCAL");
  ado::CreateSqliteDatabase(servidor, "DW_ESTADISTICAS");
  ado::OpenSqliteConnection(servidor, "DW_ESTADISTICAS")
      ->Execute(
          "CREATE TABLE TA_CONFIGURACION (Clave NVARCHAR(50) NOT NULL, Valor NVARCHAR(150) NULL, "
          "ValorAux NVARCHAR(150) NULL, Grupo NVARCHAR(50) NULL, PoliticaNegocio BIT NULL DEFAULT 0)\n"
          "INSERT INTO TA_CONFIGURACION (Clave, Valor, Grupo) VALUES ('TIMEOUT', '90', 'BaseDeDatos')");
  ASSERT_TRUE(Start(programa, kLinea));
  EXPECT_TRUE(programa.SesionEstadisticas().Conectado());
  EXPECT_EQ(programa.gTimeOut, 90);
  EXPECT_EQ(programa.Sesion().Conexion().CommandTimeout(), 90);
  EXPECT_EQ(programa.Sesion().Conexion().DefaultDatabase(), "GESTION");
}

TEST_F(Arranque, TheSearchDefinitionsAreWrittenOnceAndThenKept) {
  ASSERT_TRUE(Start(programa, kLinea));
  testing::WriteFile(temp.path() / "consultas.dwk", "propio");
  ProgramState segundo(platform);
  ASSERT_TRUE(Start(segundo, kLinea));
  EXPECT_EQ(Consultas(), "propio");
  EXPECT_EQ(Accesos(), 2);
}

TEST_F(Arranque, AConnectedSessionReadsNoParametersButStillLogsTheAccess) {
  ASSERT_TRUE(Start(programa, kLinea));
  programa.gParametroAdicional.clear();
  ASSERT_TRUE(Start(programa, "@ParametroAdicional=DESCARGAR;@DbName=OTRA;"));
  EXPECT_EQ(programa.gParametroAdicional, "");
  EXPECT_EQ(programa.Sesion().BaseDeDatos(), "GESTION");
  EXPECT_EQ(Accesos(), 2);
}

TEST_F(Arranque, WithoutADatabaseNameOnlyTheAccessLogRuns) {
  ASSERT_TRUE(Start(programa, kLinea));
  std::filesystem::remove(temp.path() / "consultas.dwk");
  programa.Sesion().BaseDeDatos("");
  programa.Configuracion.Top_Default = "sin cargar";
  programa.gCadenaDSN = "sin tocar";
  ASSERT_TRUE(Start(programa, kLinea));
  EXPECT_EQ(programa.Configuracion.Top_Default, "sin cargar");
  EXPECT_EQ(programa.gCadenaDSN, "sin tocar");
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "consultas.dwk"));
  EXPECT_EQ(Accesos(), 2);
}

TEST_F(Arranque, WithoutItsDatabaseTheSequenceStopsAfterTheConnectionsMessage) {
  EXPECT_FALSE(Start(programa, "@ParametroAdicional=SUBIR;@Server=LOCAL;@DbName=NOEXISTE;@Usuario=sa;"));
  EXPECT_EQ(programa.gParametroAdicional, "SUBIR");
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("Cannot open database \"NOEXISTE\""), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "consultas.dwk"));
  EXPECT_TRUE(programa.gCadenaDSN.empty());
}

TEST_F(Arranque, FailureFiveIsSkippedAndAnyOtherEndsTheSequenceSilently) {
  platform.Fail(testing::Op::kOpenFile, 1, testing::Times::kOnce, Failure(failure::kInvalidCall, "x"), "consultas.dwk");
  ASSERT_TRUE(Start(programa, kLinea));
  EXPECT_EQ(Accesos(), 1);

  ProgramState segundo(platform);
  std::filesystem::remove(temp.path() / "consultas.dwk");
  platform.Fail(testing::Op::kOpenFile, 1, testing::Times::kOnce, Failure(failure::kPathFileAccess, "x"), "consultas.dwk");
  EXPECT_TRUE(Start(segundo, kLinea));
  EXPECT_EQ(segundo.gParametroAdicional, "SUBIR");
  EXPECT_EQ(Accesos(), 1);  // the access log came after the failure
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

}  // namespace
}  // namespace tramvel
