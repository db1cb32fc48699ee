#include "platform/UnattendedOperator.h"

#include <gtest/gtest.h>

#include <memory>

#include "ScriptedOperator.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "platform/MessageBoxStyle.h"
#include "platform/RealPlatform.h"

namespace tramvel {
namespace {

using testing::TempFolder;
using testing::TestPlatform;

// The test platform stands for the run's log: what the operator writes to
// standard error is kept, and the program is called "tramvel".
class UnattendedOperatorTest : public ::testing::Test {
 protected:
  const std::string& Log() const { return platform.Output(OutputStream::kStandardError); }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  UnattendedOperator nobody{platform};
};

TEST_F(UnattendedOperatorTest, ABoxGoesToTheLogAndGivesUpInsteadOfRetrying) {
  EXPECT_EQ(nobody.MessageBox("Error 53", mb::kAbortRetryIgnore + mb::kCritical, ""), mb::kAbort);
  EXPECT_EQ(nobody.MessageBox("Otra vez?", mb::kRetryCancel, "Ejecutar"), mb::kCancel);
  EXPECT_EQ(nobody.MessageBox("Seguir?", mb::kYesNo + mb::kDefaultButton2, "Atención"), mb::kNo);
  EXPECT_EQ(Log(), "tramvel: Error 53\nEjecutar: Otra vez?\nAtención: Seguir?\n");
  EXPECT_FALSE(nobody.ReadsDocuments());
}

TEST_F(UnattendedOperatorTest, TheWaitWindowWritesOneLineAtMostEachSecondOnlyWhileShown) {
  EXPECT_FALSE(nobody.UpdateWaitWindow("antes", "", ""));
  nobody.ShowWaitWindow("Ejecutando");
  EXPECT_FALSE(nobody.UpdateWaitWindow("Lote 1", "", "de 20"));
  // The next update comes well within the second, so it is not written.
  EXPECT_FALSE(nobody.UpdateWaitWindow("Lote 2", "", "de 20"));
  nobody.CloseWaitWindow();
  EXPECT_FALSE(nobody.UpdateWaitWindow("después", "", ""));
  // Shown again, its first line is written at once.
  nobody.ShowWaitWindow("Ejecutando");
  EXPECT_FALSE(nobody.UpdateWaitWindow("Lote 1", "otra vez", ""));
  EXPECT_EQ(Log(), "Lote 1 | de 20\nLote 1 | otra vez\n");
}

TEST(RealPlatformOperator, IsUnattendedUnlessTheProgramChoseOne) {
  TempFolder temp;
  EXPECT_FALSE(NewRealPlatform({"", temp.str(), nullptr})->Operator().ReadsDocuments());

  testing::ScriptedOperator* chosen = nullptr;
  const auto platform = NewRealPlatform({"", temp.str(), [&](Platform&) {
                                           auto scripted = std::make_unique<testing::ScriptedOperator>();
                                           chosen = scripted.get();
                                           return scripted;
                                         }});
  EXPECT_EQ(&platform->Operator(), chosen);
}

}  // namespace
}  // namespace tramvel
