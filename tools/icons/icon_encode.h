// Writes the cursor and the icon as standard .cur and .ico files: a
// directory with one entry, then the image with a 40-byte bitmap header of
// height 64, the colour table, the colour (XOR) bitmap and the AND mask,
// rows bottom-up. Output depends only on the grid.
#pragma once

#include <cstdint>
#include <vector>

#include "icon_grid.h"

namespace veldamo::icons {

// Cells: 0 black, 1 white, kTransparent. The hot spot goes into the entry.
std::vector<std::uint8_t> EncodeCursorFile(const Grid& grid);

// Cells: standard palette indices 0-15, kTransparent (stored as index 0).
std::vector<std::uint8_t> EncodeIconFile(const Grid& grid);

}  // namespace veldamo::icons
