#include "picture/canvas_painter.h"

#include <utility>

#include "picture/hit.h"

namespace veldamo::picture {

CanvasPainter::CanvasPainter(Canvas& canvas, RefreshFn refresh)
    : canvas_(canvas), refresh_(std::move(refresh)) {}

void CanvasPainter::Fill(std::int32_t x, std::int32_t y, TColor colour) {
  picture::Fill(canvas_, x, y, colour);
}

void CanvasPainter::Refresh() {
  // Everything changed since the last refresh goes out in one rectangle.
  const DirtyRect changed = canvas_.TakeChanged();
  if (refresh_) refresh_(changed);
}

}  // namespace veldamo::picture
