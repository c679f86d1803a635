#include "puzzle/solve.h"

namespace veldamo {

std::optional<std::int32_t> ShadeOfColor(TColor c) {
  switch (c) {
    case clBlack: return kShadeBlack;
    case clWhite: return kShadeWhite;
    case clSilver: return kShadeSilver;
    default: return std::nullopt;
  }
}

std::vector<std::int32_t> SolvePresses(const Shades& shades, std::int32_t level) {
  const std::int32_t m = level + 2;
  // Each cell's press count runs through 0..m-1; try every combination.
  std::int32_t combinations = 1;
  for (std::int32_t i = 0; i < kCellCount; ++i) combinations *= m;

  std::vector<std::int32_t> best;
  std::int32_t best_total = -1;
  for (std::int32_t code = 1; code < combinations; ++code) {
    Shades after = shades;
    std::int32_t total = 0;
    std::int32_t rest = code;
    for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
      const std::int32_t presses = rest % m;
      rest /= m;
      total += presses;
      for (std::int32_t touched : NeighbourRow(cell)) {
        after[static_cast<std::size_t>(touched - 1)] += presses;
      }
    }
    bool restored = true;
    for (std::int32_t cell = 1; cell <= kCellCount && restored; ++cell) {
      const std::int32_t shade = after[static_cast<std::size_t>(cell - 1)] % m;
      restored = shade == CellTableEntry(cell).initial_shade;
    }
    if (!restored || (best_total >= 0 && total >= best_total)) continue;
    best_total = total;
    best.clear();
    rest = code;
    for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
      for (std::int32_t k = 0; k < rest % m; ++k) best.push_back(cell);
      rest /= m;
    }
  }
  return best;
}

}  // namespace veldamo
