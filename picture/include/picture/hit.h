// The hit map: painting each part's twin area in its hit colour, and turning
// a press point of the view into a cell number.
#pragma once

#include <cstdint>

#include "picture/canvas.h"
#include "puzzle/board.h"

namespace veldamo::picture {

// Fill(x, y, colour) on a canvas: read the seed colour, set a solid brush,
// flood fill.
void Fill(Canvas& canvas, std::int32_t x, std::int32_t y, TColor colour);

// Fills (CellX[i] + 200, CellY[i]) with CellColor[i] for i = 1..11.
void PaintHitMap(Canvas& canvas, const GameState& state);

// The cell whose hit colour is c, or 0.
std::int32_t CellForHitColor(TColor c);

// The cell pressed at view point (x, y), or 0; 0 as well for a point off the
// view, whose twin would not lie in the hit map.
std::int32_t HitTest(const Canvas& canvas, std::int32_t x, std::int32_t y);

}  // namespace veldamo::picture
