#include <gtest/gtest.h>

#include "CaseName.h"
#include "EmbeddedFixture.h"

namespace tramvel::testing {
namespace {

class Distancia : public EmbeddedFixture {
 protected:
  Distancia() {
    Run("CREATE TABLE MV_RUTEOCAB (ID INT, CODIGO_CLIENTE NVARCHAR(16), SUCURSAL_CLIENTE NVARCHAR(6), LOCALIDAD "
        "NVARCHAR(50))");
    Run("CREATE TABLE TA_DISTLOCALIDADES (LOCALIDAD NVARCHAR(50), Distancia FLOAT)");
    Run("CREATE TABLE MA_DESTINATARIOS (CODIGO NVARCHAR(16), SUCURSAL NVARCHAR(6), LOCALIDAD NVARCHAR(50))");
    Run("INSERT INTO TA_DISTLOCALIDADES VALUES ('TANDIL', 360.5), ('AZUL', 300), ('O''HIGGINS', 12)");
    Run("INSERT INTO MV_RUTEOCAB VALUES (1, 'C1', '01', '  TANDIL '), (2, 'C1', '01', '   '), "
        "(3, 'C1', '02', 'LUJAN'), (4, ' C1', '01', 'LUJAN'), (5, 'O''NEIL', '01', 'O''HIGGINS'), "
        "(6, 'C9', '01', NULL)");
    Run("INSERT INTO MA_DESTINATARIOS VALUES ('C1', '01', 'AZUL'), ('C1', '02', ' SALTO '), (' C1', '01', 'TANDIL')");
  }
};

struct Caso {
  const char* name;
  const char* id;
  double distancia;
  const char* localidad;
};

class Lookup : public Distancia, public ::testing::WithParamInterface<Caso> {};

TEST_P(Lookup, GivesTheDistanceAndTheLocalityItUsed) {
  const Caso& c = GetParam();
  std::string localidad = "antes";
  EXPECT_EQ(dll.BuscaDistancia(c.id, localidad), c.distancia);
  EXPECT_EQ(localidad, c.localidad);
  EXPECT_EQ(dll.BuscaDistancia(c.id), c.distancia);
}

INSTANTIATE_TEST_SUITE_P(Deliveries, Lookup,
                         ::testing::Values(Caso{"own locality trimmed", "1", 360.5, "TANDIL"},
                                           Caso{"blank locality falls back", "2", 300, "AZUL"},
                                           Caso{"fallback without distance", "3", 0, "SALTO"},
                                           Caso{"customer code as read", "4", 360.5, "TANDIL"},
                                           Caso{"quotes in the codes", "5", 12, "O'HIGGINS"},
                                           Caso{"unknown delivery", " 99 ", 0, ""}),
                         [](const auto& c) { return test::CaseName(c.param.name, c.index); });

TEST_F(Distancia, AConsigneeWithoutRowFailsToTheCaller) {
  std::string localidad = "antes";
  try {
    dll.BuscaDistancia("6", localidad);
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Number(), 3021);
  }
  EXPECT_EQ(localidad, "antes");
}

TEST_F(Distancia, AnIdentifierThatIsNotANumberIsRefusedBeforeAnyQuery) {
  Run("DROP TABLE MV_RUTEOCAB");  // a query would fail with 208 instead
  for (const char* id : {"1 OR 1=1", "", "1;DROP TABLE TA_DISTLOCALIDADES", "-1", "1.5"}) {
    try {
      dll.BuscaDistancia(id);
      ADD_FAILURE() << id;
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.Number(), 13) << id;
      EXPECT_NE(failure.Description().find("no es un número"), std::string::npos) << failure.Description();
    }
  }
}

}  // namespace
}  // namespace tramvel::testing
