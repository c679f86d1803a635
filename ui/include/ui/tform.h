// A top-level window with a fixed client area: a single frame that cannot
// be resized, title-bar buttons for the system menu, minimise and close, and
// optionally centred on the screen the first time it is shown.
#pragma once

#include <QChar>
#include <QMargins>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "ui/tcomponent.h"

namespace veldamo::ui {

enum class TPosition { poDesigned, poScreenCenter };

class TForm : public QWidget, public TComponent {
 public:
  TForm();

  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  QString Caption() const { return windowTitle(); }

  // The client area's size; the user cannot change it.
  void SetClientSize(int width, int height);
  void SetPosition(TPosition position) { position_ = position; }

  // Closes the window; closing the application's main form ends the program.
  void Close() { close(); }

  // A character typed while one of the window's buttons has the focus:
  // clicks the enabled button whose accelerator it is. False if none.
  bool DialogChar(QChar c);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CentreOnScreen(const QMargins& frame);
  void WatchFrame();

  TPosition position_ = TPosition::poDesigned;
  bool placed_ = false;
  // A window manager frames a new window only after it is shown, and tells
  // its size a little later; for a short while after the first showing the
  // frame is watched and the window centred again once the frame is known.
  QTimer frame_watch_;
  int frame_watch_ticks_ = 0;
  QMargins frame_used_;
  QMargins frame_seen_;
};

}  // namespace veldamo::ui
