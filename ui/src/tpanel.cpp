#include "ui/tpanel.h"

#include <QPainter>

namespace veldamo::ui {

namespace {

constexpr int kBevelWidth = 1;

// One 1-pixel frame inside `r`: the top and left edges in `top_left`, the
// right and bottom edges in `bottom_right` (which also own the top-right and
// bottom-left corners). Returns the area left inside the frame.
QRect Frame3D(QPainter& p, const QRect& r, const QColor& top_left, const QColor& bottom_right) {
  const int w = r.width();
  const int h = r.height();
  if (w <= 0 || h <= 0) return r;
  p.fillRect(QRect(r.left(), r.top(), w - 1, 1), top_left);
  p.fillRect(QRect(r.left(), r.top(), 1, h - 1), top_left);
  p.fillRect(QRect(r.right(), r.top(), 1, h), bottom_right);
  p.fillRect(QRect(r.left(), r.bottom(), w, 1), bottom_right);
  return r.adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
}

QRect DrawBevel(QPainter& p, const QRect& r, TPanelBevel bevel) {
  switch (bevel) {
    case TPanelBevel::bvRaised:
      return Frame3D(p, r, BtnHighlightColor(), BtnShadowColor());
    case TPanelBevel::bvLowered:
      return Frame3D(p, r, BtnShadowColor(), BtnHighlightColor());
    case TPanelBevel::bvNone:
      break;
  }
  return r;
}

}  // namespace

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TPanel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
  outer_ = bevel;
  update();
}

void TPanel::SetBevelInner(TPanelBevel bevel) {
  inner_ = bevel;
  update();
}

void TPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  QRect inside = DrawBevel(p, rect(), outer_);
  inside = DrawBevel(p, inside, inner_);
  p.fillRect(inside, BtnFaceColor());
  // The caption goes under the children, which Qt paints afterwards.
  if (!caption_.isEmpty()) {
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(inside, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextExpandTabs, caption_);
  }
}

}  // namespace veldamo::ui
