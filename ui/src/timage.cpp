#include "ui/timage.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <optional>
#include <utility>

#include "ui/tscreen.h"

namespace veldamo::ui {

namespace {

std::optional<TMouseButton> ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return TMouseButton::mbLeft;
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return std::nullopt;
  }
}

// The pixels of `area` (inside the picture) as an image in the format of
// the window system's backing stores, so that drawing it is a plain copy.
// (Handing Qt the surface as RGBX8888 without a copy costs more: it then
// converts every repaint's pixels itself, on a pool of threads.)
QImage ImageOf(const picture::Surface& surface, const QRect& area) {
  // Sizes in locals: an int of `area` could alias the pixels written, which
  // would keep the compiler from vectorising the loop.
  const int width = area.width();
  const int height = area.height();
  QImage image(width, height, QImage::Format_RGB32);
  const TColor* first = surface.Pixels().data() +
                        static_cast<std::ptrdiff_t>(area.top()) * picture::kWidth + area.left();
  for (int y = 0; y < height; ++y) {
    const TColor* in = first + static_cast<std::ptrdiff_t>(y) * picture::kWidth;
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const TColor c = in[x];
      out[x] = 0xFF000000U | (c & 0xFFU) << 16U | (c & 0xFF00U) | (c >> 16U & 0xFFU);
    }
  }
  return image;
}

}  // namespace

TImage::TImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

picture::Canvas& TImage::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<picture::Canvas>();
  return *canvas_;
}

void TImage::SetPicture(picture::Surface surface) {
  canvas_ = std::make_unique<picture::Canvas>(std::move(surface));
  update();
}

void TImage::RepaintNow(picture::DirtyRect area) {
  if (area.Empty()) return;
  repaint(QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
}

void TImage::SetCursorNumber(int number) {
  cursor_number_ = number;
  setCursor(Screen() != nullptr ? Screen()->Cursor(number) : QCursor(Qt::ArrowCursor));
}

void TImage::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  // Never smoothed: at any device pixel ratio each pixel becomes a block.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRect picture_rect = canvas_ ? QRect(0, 0, picture::kWidth, picture::kHeight) : QRect();
  const QRect area = event->rect() & rect() & picture_rect;
  if (!area.isEmpty()) p.drawImage(area.topLeft(), ImageOf(canvas_->surface(), area));
  // Whatever the picture does not cover stays in the button face.
  const QRegion rest = QRegion(event->rect()) - QRegion(area);
  for (const QRect& r : rest) p.fillRect(r, BtnFaceColor());
}

void TImage::mousePressEvent(QMouseEvent* event) { Press(event); }

// Qt reports the second press of a double click as a double-click event;
// here it is a press like any other.
void TImage::mouseDoubleClickEvent(QMouseEvent* event) { Press(event); }

void TImage::Press(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button) {
    event->ignore();
    return;
  }
  event->accept();
  if (!OnMouseDown) return;
  const QPointF at = event->position();
  OnMouseDown(this, *button, event->modifiers(), static_cast<int>(std::floor(at.x())),
              static_cast<int>(std::floor(at.y())));
}

}  // namespace veldamo::ui
