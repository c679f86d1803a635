// The panda: its parts as shapes in a label map, turned into the visible
// half of the picture with grey outlines, marks and the frame.
#pragma once

#include <cstdint>

#include "panda/grid.h"

namespace veldamo::panda {

// Label of each pixel of the visible half: 0 background, 1..11 the parts
// (cell numbers).
using LabelMap = Grid<std::uint8_t>;
inline constexpr std::uint8_t kBackground = 0;

// The parts' shapes, painted back to front.
LabelMap PandaLabels();

// Grey wherever a pixel of another label lies within `reach` pixels, so each
// boundary between two labels becomes a stroke about 2 x reach wide.
Grid<bool> Boundaries(const LabelMap& labels, double reach);

// The visible half (x 0..199) of a picture: parts in their proper shades,
// grey outlines and marks, lime background, black frame. The hit-map half
// is left white.
IndexRaster DrawVisibleHalf();

// The whole picture: the visible half and the hit map derived from it.
IndexRaster DrawPicture();

}  // namespace veldamo::panda
