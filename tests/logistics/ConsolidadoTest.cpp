#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EmbeddedFixture.h"
#include "RecordingEngine.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"

namespace tramvel::testing {
namespace {

using Lines = std::vector<std::string>;

// The procedures exist only on a server: their calls are checked on a
// recording connection, whose configuration table holds warehouse "01".
class Consolidado : public ::testing::Test {
 protected:
  Consolidado() {
    engine.Answer("SELECT ssl_depositodefault FROM TA_CONFIGURACION", {{"ssl_depositodefault"}, {{" 01 "}}});
  }

  Lines Exec() const { return engine.SentStartingWith("exec "); }

  Lines Wait() {
    Lines lines;
    for (const auto& event : platform.Operator().WaitEvents()) lines.push_back(event.what + " " + event.text);
    return lines;
  }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  RecordingEngine engine;
  Dll_SYD dll{platform, engine.Connect()};
};

TEST_F(Consolidado, EachOrderRunsOneThreeAndFiveThenTwoClosesTheRange) {
  std::string desde = "03";
  std::string hasta = " 4";
  dll.ActualizaConsolidadoOrdenes(desde, hasta);
  EXPECT_EQ(Exec(), (Lines{
                        "exec dw_consolidaordenes1 3, 3",
                        "exec dw_consolidaordenes3 3, 3, '  01'",
                        "exec dw_consolidaordenes5 3, 3, '  01'",
                        "exec dw_consolidaordenes1 4, 4",
                        "exec dw_consolidaordenes3 4, 4, '  01'",
                        "exec dw_consolidaordenes5 4, 4, '  01'",
                        "exec dw_consolidaordenes2 3, 4, '  01'",
                    }));
  // The warehouse is read anew for every call that passes it.
  EXPECT_EQ(engine.SentStartingWith("SELECT ssl_depositodefault").size(), 5u);
  EXPECT_EQ(Wait(), (Lines{
                        "show Actualizando Consolidado",
                        "update Espero por favor...|03| 4",
                        "update Orden de Carga|1 Procesando:  3|3 de 4",
                        "update Orden de Carga|2 Procesando:  3|3 de 4",
                        "update Orden de Carga|3 Procesando:  3|3 de 4",
                        "update Orden de Carga|1 Procesando:  4|4 de 4",
                        "update Orden de Carga|2 Procesando:  4|4 de 4",
                        "update Orden de Carga|3 Procesando:  4|4 de 4",
                        "update Orden de Carga|Finalizando:  4|",
                        "close ",
                    }));
  EXPECT_EQ(desde, "3");
  EXPECT_EQ(hasta, "4");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(Consolidado, WithoutBalancesTheWholeRangeGoesThroughOneAndThreeFirst) {
  std::string desde = "7";
  std::string hasta = "7";
  dll.ActualizaConsolidadoOrdenes(desde, hasta, "1,2,3", true);
  EXPECT_EQ(Exec(), (Lines{
                        "exec dw_consolidaordenes1 7, 7",
                        "exec dw_consolidaordenes3 7, 7, '  01'",
                        "exec dw_consolidaordenes1 7, 7",
                        "exec dw_consolidaordenes3 7, 7, '  01'",
                        "exec dw_consolidaordenes5 7, 7, '  01'",
                        "exec dw_consolidaordenes2 7, 7, '  01'",
                    }));
}

TEST_F(Consolidado, ARangeThatIsNotANumberNeverReachesTheDatabase) {
  platform.Operator().QueueAnswers({mb::kIgnore, mb::kIgnore});
  std::string desde = "2; DROP TABLE MV_RUTEOCAB";
  std::string hasta = "2";
  dll.ActualizaConsolidadoOrdenes(desde, hasta, "", true);
  EXPECT_EQ(Exec(), (Lines{
                        "exec dw_consolidaordenes1 2, 2",
                        "exec dw_consolidaordenes3 2, 2, '  01'",
                        "exec dw_consolidaordenes5 2, 2, '  01'",
                        "exec dw_consolidaordenes2 2, 2, '  01'",
                    }));
  ASSERT_EQ(platform.Operator().Boxes().size(), 2u);
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("no es un número"), std::string::npos) << platform.Operator().Boxes()[0].text;
}

TEST_F(Consolidado, AStopAfterTheFirstMessageOfAnOrderLeavesTheRestUntouched) {
  platform.Operator().StopWaitAt(5);  // the first message of order 2
  std::string desde = "1";
  std::string hasta = "5";
  dll.ActualizaConsolidadoOrdenes(desde, hasta);
  EXPECT_EQ(Exec(), (Lines{
                        "exec dw_consolidaordenes1 1, 1",
                        "exec dw_consolidaordenes3 1, 1, '  01'",
                        "exec dw_consolidaordenes5 1, 1, '  01'",
                        "exec dw_consolidaordenes1 2, 2",
                    }));
  EXPECT_EQ(desde, "2");
  EXPECT_EQ(hasta, "2");
  EXPECT_EQ(Wait().back(), "close ");
}

TEST_F(Consolidado, WithoutArgumentsTheRangeIsOneTo999999) {
  platform.Operator().StopWaitAt(2);
  dll.ActualizaConsolidadoOrdenes();
  EXPECT_EQ(Exec(), Lines{"exec dw_consolidaordenes1 1, 1"});
  EXPECT_EQ(Wait()[1], "update Espero por favor...|1|999999");
  EXPECT_EQ(Wait()[2], "update Orden de Carga|1 Procesando:  1|1 de 999999");
}

TEST_F(Consolidado, AFirstOrderBeyondTheLastRunsOnlyTheClosingCall) {
  std::string desde = "5";
  std::string hasta = "3";
  dll.ActualizaConsolidadoOrdenes(desde, hasta);
  EXPECT_EQ(Exec(), Lines{"exec dw_consolidaordenes2 5, 3, '  01'"});
  EXPECT_EQ(Wait(), (Lines{"show Actualizando Consolidado", "update Espero por favor...|5|3",
                           "update Orden de Carga|Finalizando: |", "close "}));
  EXPECT_EQ(desde, "5");
  EXPECT_EQ(hasta, "3");
}

TEST_F(Consolidado, AFailedCallClosesTheWindowAndRetryRunsItAgain) {
  engine.Report("exec dw_consolidaordenes3", {{1205, "Transaction was deadlocked", "server"}}, 1);
  platform.Operator().QueueAnswers({mb::kRetry});
  std::string desde = "1";
  std::string hasta = "1";
  dll.ActualizaConsolidadoOrdenes(desde, hasta);
  EXPECT_EQ(Exec().size(), 5u);
  EXPECT_EQ(Exec()[1], Exec()[2]);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "ActualizaConsolidadoOrdenes");
  EXPECT_EQ(Wait()[3], "close ");
}

// On the embedded engine the procedures are missing: 2812 goes to the
// operator, and Abort ends the run where it stood.
class ConsolidadoEmbebido : public EmbeddedFixture {};

TEST_F(ConsolidadoEmbebido, TheMissingProcedureIsShownAndAbortEndsTheRun) {
  Run("CREATE TABLE TA_CONFIGURACION (ssl_depositodefault NVARCHAR(4))");
  platform.Operator().QueueAnswers({mb::kAbort});
  std::string desde = "1";
  std::string hasta = "2";
  dll.ActualizaConsolidadoOrdenes(desde, hasta);
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "ActualizaConsolidadoOrdenes");
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("Could not find stored procedure 'dw_consolidaordenes1'."), std::string::npos)
      << platform.Operator().Boxes()[0].text;
  EXPECT_EQ(platform.Operator().WaitEvents().back().what, "close");
  EXPECT_EQ(desde, "1");
  EXPECT_EQ(hasta, "1");
}

}  // namespace
}  // namespace tramvel::testing
