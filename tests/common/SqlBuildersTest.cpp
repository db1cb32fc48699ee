#include <gtest/gtest.h>

#include "BaseEmbebida.h"
#include "common/AdaptarSQL.h"
#include "common/ArmarSentencia.h"
#include "common/FormatosFecha.h"

namespace tramvel::testing {
namespace {

struct Par {
  std::string campo;
  std::string valor;
};

struct CasoSentencia {
  const char* nombre;
  std::vector<Par> pares;
  bool esUpdate;
  std::string where;
  int veces;  // statements built on one list with ConservarCampos true
  std::vector<std::string> esperadas;
  std::string whereDespues;
};

class Builders : public ::testing::TestWithParam<CasoSentencia> {};

TEST_P(Builders, BuildTheStatementFromThePendingList) {
  const CasoSentencia& caso = GetParam();
  TempFolder temp;
  TestPlatform platform(temp.str());
  platform.SetEnv("TRAMVEL_INI", std::nullopt);
  SesionDatos sesion(platform);
  CamposPendientes campos;
  bool nuevo = true;
  for (const Par& par : caso.pares) {
    std::string valor = par.valor;
    AgregarCampo(sesion, campos, par.campo, valor, "'", nuevo);
    nuevo = false;
  }
  std::vector<std::string> lineas{""};
  std::string where = caso.where;
  for (int i = 0; i < caso.veces; ++i) ArmarSentencia(campos, lineas, "T", caso.esUpdate, where, caso.veces > 1);
  std::vector<std::string> esperadas{""};
  esperadas.insert(esperadas.end(), caso.esperadas.begin(), caso.esperadas.end());
  EXPECT_EQ(lineas, esperadas);
  EXPECT_EQ(where, caso.whereDespues);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Builders,
    ::testing::Values(
        CasoSentencia{"InsertOne", {{"a", "x"}}, false, "", 1, {"INSERT INTO T (a) VALUES ('x')"}, ""},
        CasoSentencia{
            "InsertTwo", {{"a", "x"}, {"b", "7"}}, false, "", 1, {"INSERT INTO T (a,b) VALUES ('x','7')"}, ""},
        CasoSentencia{"Quotes", {{"a", "O'Brien'"}}, false, "", 1, {"INSERT INTO T (a) VALUES ('OBrien')"}, ""},
        CasoSentencia{
            "Null", {{"a", "null"}, {"b", "NuLL"}}, false, "", 1, {"INSERT INTO T (a,b) VALUES (Null,Null)"}, ""},
        CasoSentencia{"UpdateWhere",
                      {{"a", "x"}, {"b", "y"}},
                      true,
                      "WHERE id = 1",
                      1,
                      {"UPDATE T SET a = 'x',b = 'y' WHERE id = 1"},
                      "WHERE id = 1"},
        CasoSentencia{
            "UpdateBare", {{"a", "x"}}, true, "id = 1", 1, {"UPDATE T SET a = 'x'  WHERE id = 1"}, " WHERE id = 1"},
        CasoSentencia{"UpdateEmpty", {{"a", "x"}}, true, "", 1, {"UPDATE T SET a = 'x'  WHERE "}, " WHERE "},
        CasoSentencia{"KeepTwice",
                      {{"a", "x"}},
                      false,
                      "",
                      2,
                      {"INSERT INTO T (a) VALUES ('x')", "INSERT INTO T (a) VALUES ('x')"},
                      ""}),
    [](const ::testing::TestParamInfo<CasoSentencia>& caso) { return caso.param.nombre; });

TEST(Builders, TheListStartsAgainAfterAStatementAndMustBeStarted) {
  TempFolder temp;
  TestPlatform platform(temp.str());
  SesionDatos sesion(platform);
  CamposPendientes campos;
  std::string valor = "x";
  EXPECT_THROW(AgregarCampo(sesion, campos, "a", valor, "'", false), Failure);
  std::vector<std::string> lineas{""};
  std::string where;
  EXPECT_THROW(ArmarSentencia(campos, lineas, "T", false, where, false), Failure);
  AgregarCampo(sesion, campos, "a", valor, "'", true);
  ArmarSentencia(campos, lineas, "T", false, where, false);
  ASSERT_TRUE(campos.has_value());
  ASSERT_EQ(campos->size(), 1u);
  EXPECT_EQ(campos->front().Campo, "");
  EXPECT_EQ(campos->front().Valor, "");
}

struct CasoAdaptar {
  const char* nombre;
  const char* motor;
  const char* sql;
  const char* esperado;
};

class Adaptar : public ::testing::TestWithParam<CasoAdaptar> {};

TEST_P(Adaptar, RewritesOnlyForOracle) {
  const CasoAdaptar& caso = GetParam();
  BaseEmbebida base(caso.motor);
  EXPECT_EQ(AdaptarSQL(base.sesion, caso.sql), caso.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Adaptar,
    ::testing::Values(CasoAdaptar{"ServerTop", "sqlite", "Select TOP 1 * from Control_Acceso  with(nolock) ",
                                  "Select TOP 1 * from Control_Acceso  with(nolock) "},
                      CasoAdaptar{"ServerLen", "sqlite", "LEN", "LEN"},
                      CasoAdaptar{"OracleExample", "oracle", "Select TOP 1 * from Control_Acceso  with(nolock) ",
                                  "Select  *  from Control_Acceso  with(nolock)  WHERE ROWNUM <=  1 "},
                      CasoAdaptar{"OracleLen", "ORACLE", "len", "LENGTH"},
                      CasoAdaptar{"OracleWord", "oracle", "LENGTH", "LENGTH"},
                      CasoAdaptar{"OracleNoTop", "oracle", "select * from T", "select * from T"},
                      // The first "top" is cut even inside a longer word.
                      CasoAdaptar{"OracleTopInWord", "oracle", "select stop top 5 * from T",
                                  "select s *  from T WHERE ROWNUM <=  top 5 "}),
    [](const ::testing::TestParamInfo<CasoAdaptar>& caso) { return caso.param.nombre; });

TEST(Adaptar, ATopWithoutAStarFailsOnOracle) {
  BaseEmbebida base("oracle");
  EXPECT_THROW(AdaptarSQL(base.sesion, "select top 5 a from T"), Failure);
}

TEST(FormatosFecha, ThePatternsAndWhatTheyWrite) {
  EXPECT_EQ(FormatoFechaHora(), "dd/mm/yy hh:mm");
  EXPECT_EQ(FormatoFecha(), "dd/mm/yy");
  EXPECT_EQ(FormatoHora(), "hh:mm");
  const DateTime cuando{2024, 3, 5, 9, 7, 41};
  EXPECT_EQ(FormatearFecha(cuando, FormatoFechaHora()), "05/03/24 09:07");
  EXPECT_EQ(FormatearFecha(cuando, FormatoFecha() + " " + FormatoHora()), "05/03/24 09:07");
}

}  // namespace
}  // namespace tramvel::testing
