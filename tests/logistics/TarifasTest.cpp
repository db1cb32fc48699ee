#include <gtest/gtest.h>

#include "CaseName.h"
#include "EmbeddedFixture.h"
#include "platform/MessageBoxStyle.h"
#include "ado/Recordset.h"

namespace tramvel::testing {
namespace {

// Rows of one article, each matching fewer criteria and each later than the
// one before, so that only the widening order picks the right one.
constexpr const char* kTarifas =
    "INSERT INTO TA_TARIFAS_ARTICULOS (TipoTarifa, Proveedor, IdTipoVehiculo, IdCategoria, IdArticulo, Fecha, "
    "TarifaIda, TarifaVuelta) VALUES "
    "('T1', 'P1', 'V1', 'C1', 'ART1', '2014-01-01', 1, 1),"
    "('T1', 'P1', 'V1', 'C1', 'ART1', '2015-01-01', 2, 0.25),"
    "('T1', 'P2', 'V1', 'C1', 'ART1', '2016-01-01', 9, 0.5),"
    "('T1', 'P4', 'V4', 'C1', 'ART1', '2017-01-01', 7, 0.75),"
    "('T1', 'P5', 'V5', 'C5', 'ART1', '2018-01-01', 5, 1.5),"
    "('T2', 'P1', 'V1', 'C1', 'ART1', '2019-01-01', 99, 99)";

class Tarifas : public EmbeddedFixture {
 protected:
  Tarifas() {
    Run("CREATE TABLE TA_TARIFAS_ARTICULOS (TipoTarifa NVARCHAR(4), Proveedor NVARCHAR(6), IdTipoVehiculo "
        "NVARCHAR(4), IdCategoria NVARCHAR(4), IdArticulo NVARCHAR(25), Fecha DATETIME, TarifaIda MONEY, "
        "TarifaVuelta MONEY)");
    Run(kTarifas);
  }
};

struct Busqueda {
  const char* name;
  const char* proveedor;
  const char* vehiculo;
  const char* categoria;
  double ida;
  double vuelta;
};

class Widening : public Tarifas, public ::testing::WithParamInterface<Busqueda> {};

// The first lookup with a row wins; within it the latest Fecha, even one
// after the date the caller asks about.
TEST_P(Widening, TheFirstLookupWithARowGivesItsLatestTariffs) {
  const Busqueda& b = GetParam();
  Currency ida = Currency::FromInteger(3);
  Currency vuelta = Currency::FromInteger(4);
  dll.ImporteDelArticulo("T1", "01/06/2014", b.proveedor, b.vehiculo, b.categoria, "ART1", 10, ida, vuelta);
  EXPECT_EQ(ida, Currency::FromDouble(b.ida));
  EXPECT_EQ(vuelta, Currency::FromDouble(b.vuelta));
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Lookups, Widening,
                         ::testing::Values(Busqueda{"all five criteria", "P1", "V1", "C1", 2, 0.25},
                                           Busqueda{"supplier dropped", "P3", "V1", "C1", 9, 0.5},
                                           Busqueda{"vehicle dropped", "P3", "V9", "C1", 7, 0.75},
                                           Busqueda{"category dropped", "P3", "V9", "C9", 5, 1.5}),
                         [](const auto& c) { return test::CaseName(c.param.name, c.index); });

TEST_F(Tarifas, NoTariffClosesTheWaitWindowTellsOnceAndKeepsTheEntryValues) {
  Currency ida = Currency::FromInteger(3);
  Currency vuelta = Currency::FromInteger(4);
  dll.ImporteDelArticulo("T1", "", "P1", "V1", "C1", "NADA'", 10, ida, vuelta);
  EXPECT_EQ(ida, Currency::FromInteger(3));
  EXPECT_EQ(vuelta, Currency::FromInteger(4));
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, "No existe Tarifa Asociada al Articulo: NADA'");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kCritical);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Atención!");
  ASSERT_FALSE(platform.Operator().WaitEvents().empty());
  EXPECT_EQ(platform.Operator().WaitEvents().back().what, "close");
}

// The check compares codes in their stored widths.
class Existe : public EmbeddedFixture {
 protected:
  Existe() {
    Run("CREATE TABLE TA_TARIFAS_ARTICULOS (TipoTarifa NVARCHAR(4), PROVEEDOR NVARCHAR(6), IdCategoria NVARCHAR(4), "
        "IdArticulo NVARCHAR(25), FECHA DATETIME)");
    Run("INSERT INTO TA_TARIFAS_ARTICULOS VALUES ('T1', '    P1', '  C1', '" + Utilidades::FormatoCodigo("A1", 25) +
        "', '2014-01-01'), ('T1', '    P2', '  C1', '" + Utilidades::FormatoCodigo("A1", 25) + "', '2014-01-01')");
  }
};

TEST_F(Existe, AnswersOnTheGivenCriteriaWithCodesBroughtToTheirWidths) {
  EXPECT_TRUE(dll.ExisteTarifaArticulo(" T1 ", "", "", "", "", "A1"));
  EXPECT_TRUE(dll.ExisteTarifaArticulo("T1", "", "P1", "any vehicle", " C1", "A1 "));
  EXPECT_FALSE(dll.ExisteTarifaArticulo("T1", "", "P3", "", "C1", "A1"));
  EXPECT_FALSE(dll.ExisteTarifaArticulo("T1", "", "", "", "C2", "A1"));
  EXPECT_FALSE(dll.ExisteTarifaArticulo("T'1", "", "O'P", "", "", "A'1"));
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(Existe, LeavesTheCallersRecordsetOpenOnTheRowsWithItsOwnTypes) {
  ado::Recordset rs;
  rs.Open("SELECT * FROM TA_TARIFAS_ARTICULOS WHERE PROVEEDOR = '    P2'", Otra());
  rs.Close();
  rs.SetCursorType(ado::adOpenStatic);
  rs.SetLockType(ado::adLockOptimistic);
  ASSERT_TRUE(dll.ExisteTarifaArticulo("T1", "", "", "", "C1", "A1", &rs));
  EXPECT_EQ(rs.State(), ado::adStateOpen);
  EXPECT_EQ(rs.CursorType(), ado::adOpenStatic);
  EXPECT_EQ(rs.LockType(), ado::adLockOptimistic);
  EXPECT_EQ(rs.RecordCount(), 2);

  // An open recordset is closed first; none matching leaves it open and empty.
  EXPECT_FALSE(dll.ExisteTarifaArticulo("T1", "", "P9", "", "", "A1", &rs));
  EXPECT_EQ(rs.State(), ado::adStateOpen);
  EXPECT_TRUE(rs.Bof());
}

TEST_F(Existe, ABlankArticleIsRefusedWithoutTouchingTheRecordset) {
  ado::Recordset rs;
  for (const char* articulo : {"", "   "}) {
    EXPECT_FALSE(dll.ExisteTarifaArticulo("T1", "", "", "", "", articulo, &rs));
    EXPECT_EQ(rs.State(), ado::adStateClosed);
  }
  ASSERT_EQ(platform.Operator().Boxes().size(), 2u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, "Error en Consulta de Tarifas, debe informar el Codigo de articulo!!!");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kCritical);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Aviso al Programador");
}

TEST_F(Existe, AFailureIsShownToTheOperatorAndGivingUpAnswersNo) {
  Run("DROP TABLE TA_TARIFAS_ARTICULOS");
  platform.Operator().QueueAnswers({mb::kRetry, mb::kAbort});
  EXPECT_FALSE(dll.ExisteTarifaArticulo("T1", "", "", "", "", "A1"));
  ASSERT_EQ(platform.Operator().Boxes().size(), 2u);
  EXPECT_EQ(platform.Operator().Boxes()[1].style, mb::kCritical + mb::kAbortRetryIgnore);
  EXPECT_EQ(platform.Operator().Boxes()[1].title, "Aviso al Operador");
  EXPECT_NE(platform.Operator().Boxes()[1].text.find("TA_TARIFAS_ARTICULOS"), std::string::npos) << platform.Operator().Boxes()[1].text;
}

}  // namespace
}  // namespace tramvel::testing
