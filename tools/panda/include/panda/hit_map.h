// Regions and marks of the visible half, and the hit-map half made from
// them.
#pragma once

#include <cstdint>
#include <vector>

#include "panda/grid.h"

namespace veldamo::panda {

// The pixels a 4-connected fill from (x, y) covers in the visible half:
// the seed and every pixel joined to it through pixels of its colour.
Grid<bool> RegionAt(const IndexRaster& picture, int x, int y);

// Grey areas (8-connected) of the visible half that touch exactly one of
// the given regions and nothing else: the marks that region encloses.
Grid<bool> MarksOf(const IndexRaster& picture, const std::vector<Grid<bool>>& regions);

// The regions of cells 1..11, filled from the cell table's seeds.
std::vector<Grid<bool>> PartRegions(const IndexRaster& picture);

// Paints x 200..399: red at the twin of every region pixel and every mark
// pixel, white everywhere else.
void DeriveHitMap(IndexRaster& picture);

}  // namespace veldamo::panda
