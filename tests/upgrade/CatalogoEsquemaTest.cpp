#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/TextCase.h"
#include "ado/Variant.h"
#include "upgrade/CatalogoEsquema.h"

namespace tramvel {
namespace {

struct Cuenta {
  int campos = 0;
  int scripts = 0;
  int sentencias = 0;
};

void Contar(std::span<const Accion> acciones, Cuenta& cuenta, std::set<std::string>& archivos) {
  for (const Accion& accion : acciones) {
    switch (accion.tipo) {
      case TipoAccion::kCampo: ++cuenta.campos; break;
      case TipoAccion::kScript:
      case TipoAccion::kScriptEnEspera:
        ++cuenta.scripts;
        archivos.insert(ToUpper(accion.texto));
        break;
      case TipoAccion::kSentencia:
      case TipoAccion::kArithAbort: ++cuenta.sentencias; break;
      default: break;
    }
  }
}

// What the catalogue adds up to: preparations, older upgrades and chain.
TEST(CatalogoEsquema, HoldsTheActionsOfEveryPart) {
  std::set<std::string> archivos;
  Cuenta preparaciones, anteriores, cadena;
  Contar(PreparacionFechaDeEsquema(), preparaciones, archivos);
  Contar(PreparacionClaves(), preparaciones, archivos);
  Contar(PreparacionSiempre(), preparaciones, archivos);
  for (const BloqueAnterior& bloque : BloquesAnteriores()) Contar(bloque.acciones, anteriores, archivos);
  for (const PasoFechado& paso : PasosFechados()) Contar(paso.acciones, cadena, archivos);

  EXPECT_EQ(preparaciones.campos, 4);
  EXPECT_EQ(anteriores.campos, 36);
  EXPECT_EQ(cadena.campos, 94);
  EXPECT_EQ(preparaciones.scripts, 3);
  EXPECT_EQ(anteriores.scripts, 7);
  EXPECT_EQ(cadena.scripts, 119);
  EXPECT_EQ(archivos.size(), 83u);
  // The bootstrap's one statement is its date write.
  EXPECT_EQ(preparaciones.sentencias, 1);
  EXPECT_EQ(anteriores.sentencias + cadena.sentencias, 6);
}

TEST(CatalogoEsquema, KeysRiseAndEachStepWritesTheNextKey) {
  const auto pasos = PasosFechados();
  ASSERT_EQ(pasos.size(), 99u);
  EXPECT_EQ(pasos.front().clave, "02/07/2004");
  EXPECT_EQ(pasos.back().siguiente, kClaveFinal);
  int confirman = 0;
  for (std::size_t i = 0; i < pasos.size(); ++i) {
    SCOPED_TRACE(std::string(pasos[i].clave));
    const auto fecha = ado::ParseDateText(pasos[i].clave);
    const auto siguiente = ado::ParseDateText(pasos[i].siguiente);
    ASSERT_TRUE(fecha && siguiente);
    EXPECT_EQ(ado::FormatDateText(*fecha), pasos[i].clave);
    EXPECT_LT(*fecha, *siguiente);
    if (i + 1 < pasos.size()) {
      EXPECT_EQ(pasos[i].siguiente, pasos[i + 1].clave);
    }
    if (pasos[i].confirma) ++confirman;
  }
  EXPECT_EQ(confirman, 16);
  EXPECT_FALSE(BuscarPaso("18/02/2005")->confirma);
  EXPECT_TRUE(BuscarPaso("19/02/2005")->confirma);
}

TEST(CatalogoEsquema, CountsTheStepsThatRemain) {
  EXPECT_EQ(PasosRestantes("02/07/2004"), 99);
  EXPECT_EQ(PasosRestantes("07/08/2013"), 1);
  EXPECT_EQ(PasosRestantes("08/10/2013"), 0);
  EXPECT_EQ(PasosRestantes("15/09/2004"), -1);
  EXPECT_EQ(BuscarPaso("08/10/2013"), nullptr);
}

}  // namespace
}  // namespace tramvel
