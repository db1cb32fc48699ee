#include <gtest/gtest.h>

#include "SyncFixture.h"
#include "common/components/SesionDatos.h"
#include "sync/ComponerEstado.h"
#include "sync/ExisteArchivo.h"
#include "sync/TextosProgramas.h"

namespace tramvel::testing {
namespace {

const ValoresFtp kFtp{"HOST", "qa417205", "Pol1984", "", ""};

TEST(ProgramTexts, TheThreeFtpFormsCharacterForCharacter) {
  EXPECT_EQ(TextoTransferencia("NO", kFtp, "TODOS", "Public_html/clientes/Vorin/", "C:\\ENVIAR\\"),
            "DOWNLOAD=NO;SERVER=HOST;USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;DIRWEB=Public_html/clientes/"
            "Vorin/;DIRDESTINO=C:\\ENVIAR\\;PROXY=;PROXYPASS=;");
  EXPECT_EQ(TextoTransferencia("SI", kFtp, "TODOS", "Public_html/clientes/Vorin\\", "C:\\RECIBIR\\"),
            "DOWNLOAD=SI;SERVER=HOST;USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;DIRWEB=Public_html/clientes/"
            "Vorin\\;DIRDESTINO=C:\\RECIBIR\\;PROXY=;PROXYPASS=;");
  EXPECT_EQ(TextoBorrado(kFtp, "F", "Public_html/clientes/Vorin\\", "C:\\RECIBIR\\"),
            "DOWNLOAD=BORRAR;SERVER=HOST;USUARIO=qa417205;PASSWORD=Pol1984; ARCHIVO=F;DIRWEB=Public_html/clientes/"
            "Vorin\\;DIRDESTINO=C:\\RECIBIR\\;");
}

TEST(ProgramTexts, TheInterfaceTextCarriesTheSessionUnescaped) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  SesionDatos sesion(platform);
  sesion.Servidor("SRV01");
  sesion.BaseDeDatos("GESTION");
  sesion.Usuario("ana");
  sesion.Password("p;w");
  EXPECT_EQ(TextoInterfaz(sesion),
            " @server=SRV01; @dbname=GESTION; @usuario=ana; @Password=p;w; @ParametroAdicional=AUTO;");
}

TEST(ProgramTexts, TheCustomerFolder) {
  EXPECT_EQ(CarpetaCliente("Public_html/clientes/", '/'), "Public_html/clientes/Vorin/");
  EXPECT_EQ(CarpetaCliente("Public_html/clientes/", '\\'), "Public_html/clientes/Vorin\\");
  EXPECT_EQ(CarpetaCliente("  Public_html/clientes  ", '/'), "Public_html/clientes\\Vorin/");
}

TEST(Estado, ComposesUpToThreeLines) {
  EXPECT_EQ(ComponerEstado("A", "", ""), "A");
  EXPECT_EQ(ComponerEstado("A", "B", ""), "A\r\nB");
  EXPECT_EQ(ComponerEstado("A", "", "C"), "A\r\nC");
  EXPECT_EQ(ComponerEstado("A", "B", "C"), "A\r\nB\r\nC");
}

TEST(ExisteArchivo, TrueOnlyForAFileThatOpens) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  WriteFile(temp.path() / "empty.txt", "");
  std::filesystem::create_directories(temp.path() / "folder");
  EXPECT_TRUE(ExisteArchivo(platform, "C:\\empty.txt"));
  EXPECT_FALSE(ExisteArchivo(platform, "C:\\folder"));
  EXPECT_FALSE(ExisteArchivo(platform, "C:\\missing.txt"));
  platform.Fail(Op::kOpenFile, 1, Times::kOnce, Failure(70, "Permission denied"));
  EXPECT_FALSE(ExisteArchivo(platform, "C:\\empty.txt"));
}

}  // namespace
}  // namespace tramvel::testing
