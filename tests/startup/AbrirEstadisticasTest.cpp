#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "SitioEmbebido.h"
#include "startup/AbrirEstadisticas.h"

namespace tramvel::testing {
namespace {

// The stored TIMEOUT row's value; nullopt when there is none.
std::optional<std::string> ValorGuardado(SitioEmbebido& sitio) {
  const auto dw = ado::OpenSqliteConnection(sitio.Carpeta(), "DW_ESTADISTICAS");
  const auto rs = dw->Execute("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'TIMEOUT'");
  if (!rs || rs->Eof()) return std::nullopt;
  return rs->Fields("Valor").Value().ToText();
}

TEST(AbrirEstadisticas, TheStoredTimeOutIsUsedAndAMissingOneIsWrittenAsZero) {
  struct Case {
    const char* name;
    std::optional<std::string> stored;
    int16_t timeOut;
    std::optional<std::string> after;
  } const cases[] = {
      {"falta", std::nullopt, 360, "0"}, {"noventa", "90", 90, "90"},       {"abc", "abc", 360, "0"},
      {"cero", "0", 360, "0"},           {"grande", "40000", 360, "40000"}, {"mitad", " 2.5", 2, " 2.5"},
  };
  for (const Case& c : cases) {
    SitioEmbebido sitio;
    if (c.stored) {
      ado::OpenSqliteConnection(sitio.Carpeta(), "DW_ESTADISTICAS")
          ->Execute("INSERT INTO TA_CONFIGURACION (Clave, Valor, Grupo) VALUES ('TIMEOUT', '" + *c.stored +
                    "', 'BaseDeDatos')");
    }
    sitio.programa.gTimeOut = 1;
    AbrirEstadisticas(sitio.programa);
    EXPECT_EQ(sitio.programa.gTimeOut, c.timeOut) << c.name;
    EXPECT_EQ(ValorGuardado(sitio), c.after) << c.name;
    EXPECT_TRUE(sitio.programa.SesionEstadisticas().Conectado()) << c.name;
    EXPECT_EQ(sitio.programa.SesionEstadisticas().Usuario(), "DW_ESTADISTICAS") << c.name;
    EXPECT_TRUE(sitio.platform.Boxes().empty()) << c.name;
  }
}

TEST(AbrirEstadisticas, WithoutAStatisticsDatabaseNothingIsToldAnd360Applies) {
  SitioEmbebido sitio(false);
  sitio.programa.gTimeOut = 1;
  AbrirEstadisticas(sitio.programa);
  EXPECT_EQ(sitio.programa.gTimeOut, 360);
  EXPECT_FALSE(sitio.programa.SesionEstadisticas().Conectado());
  EXPECT_TRUE(sitio.platform.Boxes().empty());
}

}  // namespace
}  // namespace tramvel::testing
