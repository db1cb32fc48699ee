#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "common/VbValues.h"
#include "common/components/ArchivoIni.h"
#include "common/components/InfoEquipo.h"
#include "common/components/Utilidades.h"
#include "common/components/VentanaEspera.h"
#include "platform/MessageBoxStyle.h"

namespace tramvel {
namespace {

using testing::TempFolder;
using testing::TestPlatform;

TEST(Utilidades, RutaConBarraEndsInExactlyOneBackslash) {
  struct Case {
    const char* in;
    const char* out;
  } const cases[] = {
      {"C:\\TRAMVEL", "C:\\TRAMVEL\\"},
      {"C:\\TRAMVEL\\", "C:\\TRAMVEL\\"},
      {"C:\\TRAMVEL\\\\", "C:\\TRAMVEL\\"},
      {"/opt/Program Files/tramvel", "/opt/Program Files/tramvel\\"},
      {"/opt/tramvel/", "/opt/tramvel\\"},
      {"", "\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utilidades::RutaConBarra(c.in), c.out) << c.in;
}

TEST(Utilidades, QuitarCaracterRemovesEveryOccurrence) {
  EXPECT_EQ(Utilidades::QuitarCaracter("=SRV01=", "="), "SRV01");
  EXPECT_EQ(Utilidades::QuitarCaracter("abc", ""), "abc");
  EXPECT_EQ(Utilidades::QuitarCaracter("", "="), "");
}

TEST(Utilidades, ManejarErrorAsksAbortRetryIgnoreAndReturnsTheAnswer) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  platform.QueueAnswers({mb::kRetry});
  const Utilidades util(platform);
  EXPECT_EQ(util.ManejarError(Failure(53, "File not found", "tramvel"), std::nullopt, "CFG"), mb::kRetry);
  ASSERT_EQ(platform.Boxes().size(), 1u);
  const auto& box = platform.Boxes()[0];
  EXPECT_EQ(box.style & 0x0F, mb::kAbortRetryIgnore);
  EXPECT_NE(box.text.find("53"), std::string::npos);
  EXPECT_NE(box.text.find("File not found"), std::string::npos);
  EXPECT_NE(box.text.find("CFG"), std::string::npos);
  // Unattended, the box gives up rather than retrying for nobody.
  EXPECT_EQ(util.ManejarError(Failure(53, "File not found")), mb::kAbort);
}

TEST(ArchivoIni, ReadsKeysWithoutRegardToCaseAndFallsBackToTheDefault) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  testing::WriteFile(temp.path() / "RO000vu.INI",
                     "[Otra]\nServidor=wrong\n\n[ftp]\nSERVIDOR = 127.0.0.1:2121 \nUsuario=\n[SRV|ANA]\nFlatToolbars=0\n");
  const ArchivoIni ini(platform);
  EXPECT_EQ(ini.LeerValor("C:\\RO000vu.INI", "FTP", "Servidor", ""), "127.0.0.1:2121");
  EXPECT_EQ(ini.LeerValor("C:\\ro000vu.ini", "FTP", "Usuario", "qa417205"), "");
  EXPECT_EQ(ini.LeerValor("C:\\RO000vu.INI", "FTP", "Password", "Pol1984"), "Pol1984");
  EXPECT_EQ(ini.LeerValor("C:\\RO000vu.INI", "srv|ana", "flattoolbars", "1"), "0");
  EXPECT_EQ(ini.LeerValor("C:\\MISSING.INI", "FTP", "Servidor", "d"), "d");
}

TEST(InfoEquipo, TemporaryFolderFromTheEnvironment) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  const InfoEquipo equipo(platform);
  platform.SetEnv("TEMP", "C:\\TEMP");
  EXPECT_EQ(equipo.CarpetaTemporal(), "C:\\TEMP\\");
  platform.SetEnv("TEMP", std::nullopt);
  platform.SetEnv("TMP", "/var/tmp/");
  EXPECT_EQ(equipo.CarpetaTemporal(), "/var/tmp\\");
}

TEST(VbValues, ValReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double value;
  } const cases[] = {
      {"1", 1}, {" 42abc", 42}, {"-3.5", -3.5}, {"abc", 0}, {"", 0}, {"1e3", 1000}, {".5", 0.5}, {"+7", 7}, {"1e", 1},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
}

TEST(VbValues, CIntAndCLngRoundHalvesToEvenAndFailBeyondTheirRange) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(CInt(-32768), -32768);
  EXPECT_EQ(CLng(16776960.5), 16776960);
  for (const double beyond : {32767.5, -32768.6, 1e300}) {
    try {
      CInt(beyond);
      ADD_FAILURE() << beyond;
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.Number(), failure::kOverflow);
    }
  }
  EXPECT_THROW(CLng(2147483647.5), Failure);
}

}  // namespace
}  // namespace tramvel

namespace tramvel {
namespace {

TEST(VentanaEspera, ShowsLinesAndReportsTheOperatorsStop) {
  testing::TempFolder temp;
  testing::TestPlatform platform(temp.str());
  platform.StopWaitAt(2);
  VentanaEspera ventana(platform);
  int16_t detener = 0;
  ventana.Mostrar("Consolidando", 1);
  ventana.Mensaje(detener, "Orden 1", "de 3");
  EXPECT_EQ(detener, 0);
  ventana.Mensaje(detener, "Orden 2", "de 3", "x");
  EXPECT_EQ(detener, -1);
  ventana.Cerrar();
  ASSERT_EQ(platform.WaitEvents().size(), 4u);
  EXPECT_EQ(platform.WaitEvents()[0].text, "Consolidando");
  EXPECT_EQ(platform.WaitEvents()[2].text, "Orden 2|de 3|x");
  EXPECT_EQ(platform.WaitEvents()[3].what, "close");
}

}  // namespace
}  // namespace tramvel
