#include "ui/tbutton.h"

#include <QKeyEvent>

#include "ui/tform.h"

namespace veldamo::ui {

TButton::TButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  setDefault(false);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QPushButton::clicked, this, [this] {
    if (OnClick) OnClick(this);
  });
}

QChar TButton::Accelerator() const {
  const QString caption = text();
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1].toUpper();
    ++i;  // "&&" is a literal ampersand
  }
  return {};
}

void TButton::keyPressEvent(QKeyEvent* event) {
  // A letter typed without Alt or Ctrl goes to the window as a dialog
  // character; Shift and Caps Lock only change its case.
  const Qt::KeyboardModifiers held =
      event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  auto* form = dynamic_cast<TForm*>(window());
  if (held == Qt::NoModifier && event->text().size() == 1 && form != nullptr &&
      form->DialogChar(event->text().front())) {
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace veldamo::ui
