#include "ui/tform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>

#include "ui/tapplication.h"
#include "ui/tbutton.h"

namespace veldamo::ui {

namespace {

// A Wayland client cannot place its windows; the compositor does.
bool CanPlaceWindows() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

TForm::TForm() : QWidget(nullptr) {
  // A single fixed frame: title, system menu, minimise and close; no
  // maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setAutoFillBackground(true);
  QPalette face = palette();
  face.setColor(QPalette::Window, BtnFaceColor());
  setPalette(face);
}

void TForm::SetClientSize(int width, int height) { setFixedSize(width, height); }

bool TForm::DialogChar(QChar c) {
  const QChar wanted = c.toUpper();
  if (!wanted.isLetterOrNumber()) return false;
  for (TButton* button : findChildren<TButton*>()) {
    if (button->Accelerator() == wanted && button->isEnabled() && button->isVisible()) {
      button->click();
      return true;
    }
  }
  return false;
}

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_ || event->spontaneous()) return;
  placed_ = true;
  if (position_ != TPosition::poScreenCenter || !CanPlaceWindows()) return;
  CentreOnScreen();
  awaiting_frame_ = true;
}

void TForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  CheckFrame();
}

void TForm::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The frame is usually known by the first paint; move after it.
  if (awaiting_frame_) QTimer::singleShot(0, this, [this] { CheckFrame(); });
}

void TForm::CheckFrame() {
  if (!awaiting_frame_) return;
  const QSize outer = frameGeometry().size();
  if (outer == assumed_outer_ && outer == size()) return;  // no frame yet
  awaiting_frame_ = false;
  if (outer != assumed_outer_) CentreOnScreen();
}

void TForm::CentreOnScreen() {
  const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (where == nullptr) return;
  const QRect whole = where->geometry();
  const QSize outer = frameGeometry().size();
  assumed_outer_ = outer;
  const int left = std::max(0, (whole.width() - outer.width()) / 2);
  const int top = std::max(0, (whole.height() - outer.height()) / 2);
  move(whole.left() + left, whole.top() + top);
}

void TForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (Application() != nullptr && Application()->MainForm() == this) Application()->Terminate();
}

}  // namespace veldamo::ui
