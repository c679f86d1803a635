// A push button. An "&" in the caption marks the accelerator letter: Alt
// plus the letter clicks the button, and so does the letter alone while any
// button of the window has the focus. Never a default or cancel button.
#pragma once

#include <QChar>
#include <QPushButton>
#include <QString>

#include "ui/tcomponent.h"

namespace veldamo::ui {

class TButton : public QPushButton, public TComponent {
 public:
  explicit TButton(QWidget* parent);

  void SetCaption(const QString& caption) { setText(caption); }
  QString Caption() const { return text(); }

  // The upper-case accelerator letter, or a null QChar.
  QChar Accelerator() const;

  TNotifyEvent OnClick;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace veldamo::ui
