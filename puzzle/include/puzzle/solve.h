// Reading a board back from the colours it shows, and finding the presses
// that restore it. The programs that play the game by themselves (tests,
// the memory checker's driver) use these.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "puzzle/board.h"

namespace veldamo {

// Shades of cells 1..11 at index 0..10.
using Shades = std::array<std::int32_t, kCellCount>;

// The shade index shown by a colour, or nothing for any other colour.
std::optional<std::int32_t> ShadeOfColor(TColor c);

// The fewest presses (cell numbers, in any order) that turn `shades` into
// the proper pattern at `level`, never none (the first press of a game cannot
// win, so a board already restored needs presses that leave it as it is).
// Empty if the board cannot be solved.
std::vector<std::int32_t> SolvePresses(const Shades& shades, std::int32_t level);

}  // namespace veldamo
