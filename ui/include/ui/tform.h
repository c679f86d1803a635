// A top-level window with a fixed client area: a single frame that cannot
// be resized, title-bar buttons for the system menu, minimise and close, and
// optionally centred on the screen the first time it is shown.
#pragma once

#include <QChar>
#include <QSize>
#include <QString>
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
  void moveEvent(QMoveEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CentreOnScreen();
  void CheckFrame();

  TPosition position_ = TPosition::poDesigned;
  bool placed_ = false;
  // A window manager's frame is known only once the window is mapped; until
  // then centring assumed this outer size.
  bool awaiting_frame_ = false;
  QSize assumed_outer_;
};

}  // namespace veldamo::ui
