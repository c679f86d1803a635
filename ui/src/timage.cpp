#include "ui/timage.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <bit>
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

// The pixels of `area` (inside the picture) as an image. A TColor stored
// little-endian is the byte sequence R, G, B, 0, which is RGBX8888, so on
// such machines the surface is shown without a copy.
QImage ImageOf(const picture::Surface& surface, const QRect& area) {
  const std::span<const TColor> pixels = surface.Pixels();
  const qsizetype stride = picture::kWidth * static_cast<qsizetype>(sizeof(TColor));
  if constexpr (std::endian::native == std::endian::little) {
    const auto* first = reinterpret_cast<const uchar*>(
        pixels.data() + static_cast<std::ptrdiff_t>(area.top()) * picture::kWidth + area.left());
    return QImage(first, area.width(), area.height(), stride, QImage::Format_RGBX8888);
  } else {
    QImage image(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
      for (int x = 0; x < area.width(); ++x) {
        const TColor c = surface.Pixel(area.left() + x, area.top() + y);
        image.setPixel(x, y, qRgb(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8U) & 0xFFU),
                                  static_cast<int>((c >> 16U) & 0xFFU)));
      }
    }
    return image;
  }
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
