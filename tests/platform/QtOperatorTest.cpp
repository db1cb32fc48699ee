#include "platform/qt/QtOperator.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "platform/MessageBoxStyle.h"

namespace tramvel {
namespace {

using testing::TempFolder;
using testing::TestPlatform;

// What the operator saw of a box.
struct Shown {
  std::string title;
  std::string text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
};

class QtOperatorTest : public ::testing::Test {
 protected:
  // Shows the box and, once it waits for the operator, presses the button
  // that `press` picks.
  int Answer(const std::string& text, int style, const std::string& title,
             const std::function<QAbstractButton*(QMessageBox&)>& press, Shown& shown) {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      shown = {box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
               static_cast<int>(box->buttons().size())};
      QAbstractButton* button = press(*box);
      ASSERT_NE(button, nullptr);
      button->click();
    });
    return person.MessageBox(text, style, title);
  }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  QtOperator person{platform};
};

TEST_F(QtOperatorTest, ABoxShowsItsStyleAndAnswersWithTheButtonPressed) {
  struct Case {
    int style;
    const char* title;
    bool escape;  // closed by Escape or the title bar instead of Enter
    const char* shownTitle;
    QMessageBox::Icon icon;
    int buttons;
    int answer;
  } const cases[] = {
      {mb::kOkOnly, "", false, "tramvel", QMessageBox::NoIcon, 1, mb::kOk},
      {mb::kOkOnly + mb::kExclamation, "Atención", true, "Atención", QMessageBox::Warning, 1, mb::kOk},
      {mb::kYesNo + mb::kQuestion + mb::kDefaultButton2, "", false, "tramvel", QMessageBox::Question, 2, mb::kNo},
      {mb::kYesNoCancel, "", true, "tramvel", QMessageBox::NoIcon, 3, mb::kCancel},
      {mb::kAbortRetryIgnore + mb::kCritical, "Ejecutar", false, "Ejecutar", QMessageBox::Critical, 3, mb::kAbort},
      {mb::kRetryCancel + mb::kInformation, "", true, "tramvel", QMessageBox::Information, 2, mb::kCancel},
  };
  for (const Case& c : cases) {
    Shown shown;
    const int answer = Answer("Texto del aviso", c.style, c.title, [&](QMessageBox& box) {
      return c.escape ? box.escapeButton() : static_cast<QAbstractButton*>(box.defaultButton());
    }, shown);
    EXPECT_EQ(answer, c.answer) << c.style;
    EXPECT_EQ(shown.title, c.shownTitle) << c.style;
    EXPECT_EQ(shown.text, "Texto del aviso") << c.style;
    EXPECT_EQ(shown.icon, c.icon) << c.style;
    EXPECT_EQ(shown.buttons, c.buttons) << c.style;
  }
}

TEST_F(QtOperatorTest, TheWaitWindowReportsAStopUntilItIsShownAgain) {
  EXPECT_FALSE(person.UpdateWaitWindow("antes", "", ""));
  person.ShowWaitWindow("Ejecutando");
  QWidget* window = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == "Ejecutando") window = widget;
  }
  ASSERT_NE(window, nullptr);
  auto* stop = window->findChild<QPushButton*>();
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(stop->text(), "Detener");
  EXPECT_FALSE(person.UpdateWaitWindow("Lote 1", "", "de 20"));
  stop->click();
  EXPECT_TRUE(person.UpdateWaitWindow("Lote 2", "", "de 20"));
  person.ShowWaitWindow("Ejecutando otra vez");
  EXPECT_EQ(window->windowTitle(), "Ejecutando otra vez");
  EXPECT_FALSE(person.UpdateWaitWindow("Lote 1", "", ""));
  person.CloseWaitWindow();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(person.UpdateWaitWindow("después", "", ""));
}

TEST_F(QtOperatorTest, TheHourglassIsSetOnceAndTheDefaultPointerClearsIt) {
  person.SetMousePointer(MousePointer::kHourglass);
  person.SetMousePointer(MousePointer::kHourglass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  person.SetMousePointer(MousePointer::kDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(person.ReadsDocuments());
}

}  // namespace
}  // namespace tramvel

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The operator is tested off screen, also when the test list is read.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
