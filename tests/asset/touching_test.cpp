// How the parts touch: for each pair of regions, the fewest outline pixels
// a path of edge steps through outline pixels alone crosses between them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "asset_view.h"

namespace veldamo::asset_test {
namespace {

bool Neighbours(std::int32_t a, std::int32_t b) {
  const std::span<const std::int32_t> row = NeighbourRow(a);
  return std::find(row.begin() + 1, row.end(), b) != row.end();
}

TEST(AssetTouching, NeighboursFaceAcrossOneStrokeOthersStayFarApart) {
  std::vector<Mask> regions;
  for (std::int32_t cell = 1; cell <= kCellCount; ++cell) regions.push_back(Region(cell));
  int near_min = 1 << 30, near_max = 0, far_min = 1 << 30;
  std::printf("outline pixels between regions (- for no path):\n     ");
  for (std::int32_t b = 1; b <= kCellCount; ++b) std::printf("%4d", b);
  std::printf("\n");
  for (std::int32_t a = 1; a <= kCellCount; ++a) {
    const std::vector<int> d = GreyDistances(Asset(), regions[static_cast<std::size_t>(a - 1)], regions);
    std::printf("%4d ", a);
    for (std::int32_t b = 1; b <= kCellCount; ++b) {
      const int v = d[static_cast<std::size_t>(b - 1)];
      if (a == b) {
        std::printf("   .");
        continue;
      }
      std::printf(v < 0 ? "   -" : "%4d", v);
      if (Neighbours(a, b)) {
        EXPECT_GE(v, 2) << a << "-" << b << " are neighbours: one stroke apart";
        EXPECT_LE(v, 8) << a << "-" << b << " are neighbours: one stroke apart";
        near_min = std::min(near_min, v);
        near_max = std::max(near_max, v);
      } else if (v >= 0) {
        EXPECT_GE(v, 12) << a << "-" << b << " are not neighbours";
        far_min = std::min(far_min, v);
      }
    }
    std::printf("\n");
  }
  std::printf("neighbours: %d..%d outline pixels; other pairs: at least %d\n", near_min, near_max,
              far_min);
}

}  // namespace
}  // namespace veldamo::asset_test
