// Reads the text drawings of the cursor and the icon: 32 lines of 32
// characters, one per pixel, top row first. Lines starting with ';' are
// comments; blank lines are ignored.
#pragma once

#include <array>
#include <string_view>

#include "picture/decoded.h"
#include "picture/images.h"

namespace veldamo::icons {

inline constexpr int kSize = picture::Image32::kSize;
inline constexpr int kTransparent = -1;

// Each cell is a colour table index, or kTransparent.
struct Grid {
  std::array<int, kSize * kSize> cells{};
  int hot_x = 0;
  int hot_y = 0;

  int At(int x, int y) const { return cells[static_cast<std::size_t>(y * kSize + x)]; }
};

// '.' transparent, '#' black (0), 'o' white (1). One "hotspot X Y" line is
// required before the rows.
picture::Decoded<Grid> ParseCursorGrid(std::string_view text);

// '.' transparent, '0'-'9' and 'a'-'f' an index into the standard
// 16-colour palette.
picture::Decoded<Grid> ParseIconGrid(std::string_view text);

}  // namespace veldamo::icons
