#include "ui/tform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>

#include "ui/tapplication.h"
#include "ui/tbutton.h"

namespace veldamo::ui {

namespace {

// A Wayland client cannot place its windows; the compositor does.
bool CanPlaceWindows() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

constexpr int kFrameWatchInterval = 15;  // milliseconds
constexpr int kFrameWatchTicks = 100;    // so 1.5 seconds
constexpr int kMaxFrame = 200;           // wider margins are not a frame

}  // namespace

TForm::TForm() : QWidget(nullptr) {
  // A single fixed frame: title, system menu, minimise and close; no
  // maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setAutoFillBackground(true);
  frame_watch_.setInterval(kFrameWatchInterval);
  connect(&frame_watch_, &QTimer::timeout, this, [this] { WatchFrame(); });
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
  CentreOnScreen(QMargins());
  frame_watch_.start();
}

void TForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  frame_watch_.stop();
}

void TForm::WatchFrame() {
  if (++frame_watch_ticks_ >= kFrameWatchTicks) frame_watch_.stop();
  const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  const bool plausible = frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 &&
                         frame.bottom() >= 0 && frame.left() <= kMaxFrame &&
                         frame.top() <= kMaxFrame && frame.right() <= kMaxFrame &&
                         frame.bottom() <= kMaxFrame;
  // Act on a frame only once it has held for two looks in a row.
  const bool held = frame == frame_seen_;
  frame_seen_ = frame;
  if (plausible && held && frame != frame_used_) CentreOnScreen(frame);
}

void TForm::CentreOnScreen(const QMargins& frame) {
  frame_used_ = frame;
  const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (where == nullptr) return;
  const QRect whole = where->geometry();
  const QSize outer = size().grownBy(frame);
  const int left = std::max(0, (whole.width() - outer.width()) / 2);
  const int top = std::max(0, (whole.height() - outer.height()) / 2);
  setGeometry(QRect(QPoint(whole.left() + left + frame.left(), whole.top() + top + frame.top()),
                    size()));
}

void TForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (Application() != nullptr && Application()->MainForm() == this) Application()->Terminate();
}

}  // namespace veldamo::ui
