#include <gtest/gtest.h>

#include "CaseName.h"
#include "EmbeddedFixture.h"
#include "RecordingEngine.h"
#include "platform/MessageBoxStyle.h"

namespace tramvel::testing {
namespace {

// The view of trip lines stands here as a table, so that a test can put any
// value (a Null among them) in a line.
class Valorizacion : public EmbeddedFixture {
 protected:
  Valorizacion() {
    Run("CREATE TABLE Ql_ConsValorizado03 (Orden INT, Nro_Comprobante NVARCHAR(20), Fecha_Comprobante DATETIME, "
        "Proveedor NVARCHAR(6), TIPO_VEHICULO NVARCHAR(4), IdCategoria NVARCHAR(4), IdArticulo NVARCHAR(25), Saldo "
        "FLOAT, Cantidad FLOAT, Devolucion FLOAT, ARETORNAR SMALLINT)");
    Run("CREATE TABLE TA_TARIFAS_ARTICULOS (TipoTarifa NVARCHAR(4), Proveedor NVARCHAR(6), IdTipoVehiculo "
        "NVARCHAR(4), IdCategoria NVARCHAR(4), IdArticulo NVARCHAR(25), Fecha DATETIME, TarifaIda MONEY, "
        "TarifaVuelta MONEY)");
    Run("INSERT INTO TA_TARIFAS_ARTICULOS VALUES ('N', 'P1', 'V1', 'C1', 'ENVASE', '2014-01-01', 1.5, 0.5), "
        "('N', 'P1', 'V1', 'C1', 'CAJA', '2014-01-01', 1.5, 0.5)");
  }

  void Linea(const std::string& viaje, const std::string& articulo, const std::string& cantidad,
             const std::string& devolucion, int retornable) {
    Run("INSERT INTO Ql_ConsValorizado03 VALUES (" + std::to_string(++lineas_) + ", '" + viaje +
        "', '2014-05-06', 'P1', 'V1', 'C1', '" + articulo + "', 0, " + cantidad + ", " + devolucion + ", " +
        std::to_string(retornable) + ")");
  }

 private:
  int lineas_ = 0;
};

struct Caso {
  const char* name;
  const char* viaje;
  double importe;
  size_t cajas;  // message boxes shown
};

class Valuation : public Valorizacion, public ::testing::WithParamInterface<Caso> {
 protected:
  Valuation() {
    Linea("RET", "ENVASE", "10", "4", 1);
    Linea("NORET", "CAJA", "10", "4", 0);
    Linea("MASDEV", "CAJA", "4", "10", 0);
    // A line without tariff after one with: valued at 0, not at the tariffs
    // of the line before it.
    Linea("SINTAR", "ENVASE", "10", "4", 1);
    Linea("SINTAR", "SUELTO", "10", "4", 0);
    Linea("SINTAR1", "SUELTO", "10", "4", 0);
    Linea("O''HARA", "CAJA", "10", "4", 0);
  }
};

TEST_P(Valuation, UnitsTimesTheSumOfBothTariffs) {
  const Caso& c = GetParam();
  EXPECT_EQ(dll.ImportePorArticulo(c.viaje, "N"), Currency::FromDouble(c.importe));
  EXPECT_EQ(platform.Operator().Boxes().size(), c.cajas);
}

INSTANTIATE_TEST_SUITE_P(Lines, Valuation,
                         ::testing::Values(Caso{"returnable 10 out 4 back", "RET", 28, 0},
                                           Caso{"not returnable 10 out 4 back", "NORET", 12, 0},
                                           Caso{"not returnable 4 out 10 back", "MASDEV", 12, 0},
                                           Caso{"no tariff after a line with one", "SINTAR", 28, 1},
                                           Caso{"no tariff as the first line", "SINTAR1", 0, 1},
                                           Caso{"trip number with a quote", "O'HARA", 12, 0},
                                           Caso{"no lines", "NINGUNO", 0, 0}, Caso{"blank trip number", "  ", 0, 0}),
                         [](const auto& c) { return test::CaseName(c.param.name, c.index); });

TEST_F(Valorizacion, AbortReturnsZeroEvenAfterLinesWereAdded) {
  Linea("NULO", "ENVASE", "10", "4", 1);
  Linea("NULO", "CAJA", "NULL", "4", 0);
  platform.Operator().QueueAnswers({mb::kAbort});
  EXPECT_EQ(dll.ImportePorArticulo("NULO", "N"), Currency());
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "ObtieneImporte");
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("Invalid use of Null"), std::string::npos) << platform.Operator().Boxes()[0].text;
}

TEST_F(Valorizacion, IgnoringAFailedLineGoesOnWithTheNext) {
  Linea("NULO", "ENVASE", "10", "4", 1);
  Linea("NULO", "CAJA", "NULL", "4", 0);
  Linea("NULO", "CAJA", "10", "4", 0);
  platform.Operator().QueueAnswers({mb::kIgnore});
  // 28, then the line whose Cantidad cannot be read adds nothing, then 12.
  EXPECT_EQ(dll.ImportePorArticulo("NULO", "N"), Currency::FromInteger(40));
  EXPECT_EQ(platform.Operator().Boxes().size(), 1u);
}

// A lookup that fails is passed over silently, and its line must not take
// the tariffs of the line before it.
TEST(ValorizacionGrabada, ALineWhoseLookupFailsIsValuedAtZero) {
  TempFolder temp;
  TestPlatform platform{temp.str()};
  RecordingEngine engine;
  engine.Answer("Select * from Ql_ConsValorizado03", {{"Fecha_Comprobante", "Proveedor", "TIPO_VEHICULO", "IdCategoria",
                                                       "IdArticulo", "Saldo", "Cantidad", "Devolucion", "ARETORNAR"},
                                                      {{"06/05/2014", "P1", "V1", "C1", "A1", 6.0, 10.0, 4.0, 0},
                                                       {"06/05/2014", "P1", "V1", "C1", "A2", 6.0, 10.0, 4.0, 0}}});
  engine.Report("Select * From TA_Tarifas_Articulos", {{1205, "Transaction was deadlocked", "server"}});
  engine.Answer(
      "Select * From TA_Tarifas_Articulos where TipoTarifa = 'N' and Proveedor = 'P1' and IdTipoVehiculo "
      "= 'V1' and IdCategoria = 'C1' and IdArticulo = 'A1'",
      {{"TarifaIda", "TarifaVuelta"}, {{Currency::FromDouble(1.5), Currency::FromDouble(0.5)}}});
  Dll_SYD dll(platform, engine.Connect());
  EXPECT_EQ(dll.ImportePorArticulo("V1", "N"), Currency::FromInteger(12));
  // The failed test for a row counts as a row found: no wider lookup follows.
  EXPECT_EQ(engine.SentStartingWith("Select * From TA_Tarifas_Articulos").size(), 2u);
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

}  // namespace
}  // namespace tramvel::testing
