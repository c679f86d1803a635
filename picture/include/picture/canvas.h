// The surface with the operations painting relies on: pixel read, a solid
// brush, the surface-mode flood fill bounded by the seed colour, and a note
// of which area changed since the view last drew it.
#pragma once

#include <cstdint>
#include <vector>

#include "picture/surface.h"

namespace veldamo::picture {

class Canvas {
 public:
  Canvas() = default;
  explicit Canvas(Surface surface);

  TColor Pixel(int x, int y) const { return surface_.Pixel(x, y); }
  void SetBrushColor(TColor c) { brush_ = c; }
  TColor BrushColor() const { return brush_; }

  // Floods the 4-connected area of exactly the colour at (x, y) with the
  // brush colour. Does nothing outside the picture or when the brush already
  // has that colour. Returns the number of pixels painted.
  std::size_t FloodFill(int x, int y);

  const Surface& surface() const { return surface_; }
  Surface& surface() { return surface_; }

  // The area changed since the last TakeChanged(); marks it clean.
  DirtyRect TakeChanged();
  DirtyRect Changed() const { return changed_; }
  // Adds an area to the changed one (for writes made through surface()).
  void MarkChanged(DirtyRect area);

 private:
  // Row y - dy, columns xl..xr, has been filled; row y is still to explore.
  struct Segment {
    int y;
    int xl;
    int xr;
    int dy;
  };
  Segment* GrowStack();

  Surface surface_;
  TColor brush_ = clWhite;
  DirtyRect changed_;
  std::vector<Segment> stack_;  // reused across fills
};

}  // namespace veldamo::picture
