#include "platform/qt/QtWaitWindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tramvel {

struct QtWaitWindow::Widgets {
  QDialog dialog;
  QVBoxLayout layout{&dialog};
  QLabel lines[3];
  QPushButton stop{"Detener"};
  bool stopRequested = false;

  Widgets() {
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setMinimumWidth(360);
    for (QLabel& line : lines) layout.addWidget(&line);
    layout.addWidget(&stop);
    QObject::connect(&stop, &QPushButton::clicked, [this] { stopRequested = true; });
  }
};

QtWaitWindow::QtWaitWindow() = default;
QtWaitWindow::~QtWaitWindow() = default;

void QtWaitWindow::Show(const std::string& title) {
  if (!widgets_) widgets_ = std::make_unique<Widgets>();
  widgets_->stopRequested = false;
  widgets_->dialog.setWindowTitle(QString::fromStdString(title));
  widgets_->dialog.show();
  QCoreApplication::processEvents();
}

bool QtWaitWindow::Update(const std::string& line1, const std::string& line2, const std::string& line3) {
  if (!widgets_ || !widgets_->dialog.isVisible()) return false;
  const std::string* texts[3] = {&line1, &line2, &line3};
  for (int i = 0; i < 3; ++i) widgets_->lines[i].setText(QString::fromStdString(*texts[i]));
  // The lines must show, and the stop button answer, while the caller works.
  QCoreApplication::processEvents();
  return widgets_->stopRequested;
}

void QtWaitWindow::Close() {
  if (widgets_) widgets_->dialog.hide();
}

}  // namespace tramvel
