#include "picture/hit.h"

namespace veldamo::picture {

void Fill(Canvas& canvas, std::int32_t x, std::int32_t y, TColor colour) {
  // The canvas reads the seed colour itself and bounds the fill by it; a
  // seed outside the picture or the colour already there changes nothing.
  canvas.SetBrushColor(colour);
  canvas.FloodFill(x, y);
}

void PaintHitMap(Canvas& canvas, const GameState& state) {
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    Fill(canvas, state.CellX[i] + kHitMapOffset, state.CellY[i], state.CellColor[i]);
  }
}

std::int32_t CellForHitColor(TColor c) {
  switch (c) {
    case clBlack: return 1;
    case clMaroon: return 2;
    case clGreen: return 3;
    case clOlive: return 4;
    case clNavy: return 5;
    case clPurple: return 6;
    case clTeal: return 7;
    case clRed: return 8;
    case clLime: return 9;
    case clBlue: return 10;
    case clFuchsia: return 11;
    default: return 0;
  }
}

std::int32_t HitTest(const Canvas& canvas, std::int32_t x, std::int32_t y) {
  // Only presses on the view count; a point off it would read the other
  // half or nothing. The twin lies in the hit-map half.
  if (x < 0 || x >= kViewWidth || y < 0 || y >= kHeight) return 0;
  return CellForHitColor(canvas.Pixel(x + kHitMapOffset, y));
}

}  // namespace veldamo::picture
