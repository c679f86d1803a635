// The board's Painter on a canvas: Fill paints the canvas, Refresh hands the
// area changed since the last refresh to whoever shows it (the window's view,
// or nothing in tests) and marks it clean. A refresh with nothing changed
// still calls back, with an empty area.
#pragma once

#include <functional>

#include "picture/canvas.h"
#include "puzzle/board.h"

namespace veldamo::picture {

class CanvasPainter final : public Painter {
 public:
  using RefreshFn = std::function<void(DirtyRect)>;

  explicit CanvasPainter(Canvas& canvas, RefreshFn refresh = {});
  void Fill(std::int32_t x, std::int32_t y, TColor colour) override;
  void Refresh() override;

 private:
  Canvas& canvas_;
  RefreshFn refresh_;
};

}  // namespace veldamo::picture
