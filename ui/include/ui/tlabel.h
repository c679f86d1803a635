// A label: opaque, left-aligned text that sizes itself to its caption. Line
// feeds break lines, nothing else does; lines are one character height apart.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "ui/tcomponent.h"

namespace veldamo::ui {

class TLabel : public QWidget, public TComponent {
 public:
  explicit TLabel(QWidget* parent);

  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }

  // The label's own font and colours; until set it takes its parent's font
  // and the button face.
  void SetFont(const QFont& font);
  void SetColor(const QColor& background);
  void SetFontColor(const QColor& text);
  QColor Color() const { return background_; }
  QColor FontColor() const { return text_; }

  // Distance between two lines' tops: the font's character height.
  int LinePitch() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QStringList Lines() const;
  int LineWidth(const QString& line) const;
  void AutoSize();

  QString caption_;
  QColor background_;
  QColor text_ = Qt::black;
};

}  // namespace veldamo::ui
