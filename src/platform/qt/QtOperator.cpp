#include "platform/qt/QtOperator.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"

namespace tramvel {
namespace {

QMessageBox::StandardButton QtButton(int answer) {
  switch (answer) {
    case mb::kOk: return QMessageBox::Ok;
    case mb::kCancel: return QMessageBox::Cancel;
    case mb::kAbort: return QMessageBox::Abort;
    case mb::kRetry: return QMessageBox::Retry;
    case mb::kIgnore: return QMessageBox::Ignore;
    case mb::kYes: return QMessageBox::Yes;
    default: return QMessageBox::No;
  }
}

QMessageBox::Icon QtIcon(int style) {
  switch (style & 0x70) {
    case mb::kCritical: return QMessageBox::Critical;
    case mb::kQuestion: return QMessageBox::Question;
    case mb::kExclamation: return QMessageBox::Warning;
    case mb::kInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

int QtOperator::MessageBox(const std::string& text, int style, const std::string& title) {
  const std::string shownTitle = title.empty() ? platform_.ExecutableName() : title;
  QMessageBox box(QtIcon(style), QString::fromStdString(shownTitle), QString::fromStdString(text));
  std::vector<std::pair<QAbstractButton*, int>> answers;
  for (int i = 0; i < ButtonCount(style); ++i) {
    const int answer = ButtonAnswer(style, i);
    answers.emplace_back(box.addButton(QtButton(answer)), answer);
  }
  const int wanted = DefaultAnswer(style);
  for (const auto& [button, answer] : answers) {
    if (answer == wanted) box.setDefaultButton(qobject_cast<QPushButton*>(button));
  }
  // Closing the box with its title-bar button answers as Escape does on Windows:
  // Cancel where there is one, otherwise the only button.
  box.setEscapeButton(answers.size() == 1 ? answers.front().first : box.button(QMessageBox::Cancel));
  box.exec();
  for (const auto& [button, answer] : answers) {
    if (box.clickedButton() == button) return answer;
  }
  return UnattendedAnswer(style);
}

void QtOperator::SetMousePointer(MousePointer pointer) {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (pointer == MousePointer::kHourglass) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtOperator::PumpEvents() { QCoreApplication::processEvents(); }

}  // namespace tramvel
