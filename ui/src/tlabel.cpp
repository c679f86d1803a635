#include "ui/tlabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace veldamo::ui {

namespace {

constexpr int kTabColumns = 8;  // tab stops every eight average characters

struct Run {
  int x;
  QString text;
};

// A line cut at its tabs, each piece placed at the next tab stop.
std::vector<Run> LayOutLine(const QString& line, const QFontMetrics& metrics, int* width) {
  const int tab = std::max(1, kTabColumns * metrics.averageCharWidth());
  std::vector<Run> runs;
  int x = 0;
  const QStringList pieces = line.split(u'\t');
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) x = (x / tab + 1) * tab;
    runs.push_back(Run{x, pieces[i]});
    x += metrics.horizontalAdvance(pieces[i]);
  }
  if (width != nullptr) *width = x;
  return runs;
}

}  // namespace

TLabel::TLabel(QWidget* parent) : QWidget(parent), background_(BtnFaceColor()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  AutoSize();
}

void TLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  AutoSize();
  update();
}

void TLabel::SetFont(const QFont& font) {
  setFont(font);  // changeEvent resizes
}

void TLabel::SetColor(const QColor& background) {
  background_ = background;
  update();
}

void TLabel::SetFontColor(const QColor& text) {
  text_ = text;
  update();
}

int TLabel::LinePitch() const {
  const int pixels = font().pixelSize();
  return pixels > 0 ? pixels : QFontMetrics(font()).height();
}

QStringList TLabel::Lines() const {
  // An empty caption still measures one line, as a single space.
  if (caption_.isEmpty()) return {QStringLiteral(" ")};
  return caption_.split(u'\n');
}

int TLabel::LineWidth(const QString& line) const {
  int width = 0;
  LayOutLine(line, QFontMetrics(font()), &width);
  return width;
}

void TLabel::AutoSize() {
  const QStringList lines = Lines();
  int width = 0;
  for (const QString& line : lines) width = std::max(width, LineWidth(line));
  resize(width, static_cast<int>(lines.size()) * LinePitch());
}

void TLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    AutoSize();
    update();
  }
  QWidget::changeEvent(event);
}

void TLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  p.setFont(font());
  p.setPen(text_);
  // Each line's baseline sits one ascent below the line's top; the glyphs'
  // em box then fills the pitch.
  const int pitch = LinePitch();
  const int ascent = std::min(pitch, static_cast<int>(std::lround(QFontMetricsF(font()).ascent())));
  const QFontMetrics whole(font());
  int top = 0;
  for (const QString& line : Lines()) {
    for (const Run& run : LayOutLine(line, whole, nullptr)) {
      p.drawText(QPoint(run.x, top + ascent), run.text);
    }
    top += pitch;
  }
}

}  // namespace veldamo::ui
