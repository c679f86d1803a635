#include "panda/hit_map.h"

#include <array>
#include <cstddef>
#include <utility>

#include "puzzle/board.h"

namespace veldamo::panda {

namespace {

struct Step {
  int dx;
  int dy;
};
constexpr std::array<Step, 4> kEdgeSteps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
constexpr std::array<Step, 8> kAllSteps{
    {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};

bool InVisibleHalf(int x, int y) { return x >= 0 && y >= 0 && x < kHalfWidth && y < kHeight; }

// Every pixel of the visible half reachable from (x, y) through pixels for
// which `keep` holds, by the given steps.
template <typename Steps, typename Keep>
Grid<bool> Flood(int x, int y, const Steps& steps, Keep keep) {
  Grid<bool> seen(kHalfWidth, kHeight, false);
  if (!InVisibleHalf(x, y) || !keep(x, y)) return seen;
  std::vector<std::pair<int, int>> todo{{x, y}};
  seen.Set(x, y, true);
  while (!todo.empty()) {
    const auto [cx, cy] = todo.back();
    todo.pop_back();
    for (const Step s : steps) {
      const int nx = cx + s.dx;
      const int ny = cy + s.dy;
      if (InVisibleHalf(nx, ny) && !seen.At(nx, ny) && keep(nx, ny)) {
        seen.Set(nx, ny, true);
        todo.emplace_back(nx, ny);
      }
    }
  }
  return seen;
}

}  // namespace

Grid<bool> RegionAt(const IndexRaster& picture, int x, int y) {
  if (!InVisibleHalf(x, y)) return Grid<bool>(kHalfWidth, kHeight, false);
  const std::uint8_t colour = picture.At(x, y);
  return Flood(x, y, kEdgeSteps, [&](int px, int py) { return picture.At(px, py) == colour; });
}

Grid<bool> MarksOf(const IndexRaster& picture, const std::vector<Grid<bool>>& regions) {
  Grid<bool> marks(kHalfWidth, kHeight, false);
  Grid<bool> done(kHalfWidth, kHeight, false);
  const auto is_grey = [&](int x, int y) { return picture.At(x, y) == kGrey; };
  // The region holding (x, y), or -1 when none does.
  const auto region_of = [&](int x, int y) {
    for (std::size_t i = 0; i < regions.size(); ++i) {
      if (regions[i].At(x, y)) return static_cast<int>(i);
    }
    return -1;
  };
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kHalfWidth; ++x) {
      if (done.At(x, y) || !is_grey(x, y)) continue;
      const Grid<bool> area = Flood(x, y, kAllSteps, is_grey);
      int touched = -2;  // -2: nothing yet; -1: not one region alone
      for (int ay = 0; ay < kHeight; ++ay) {
        for (int ax = 0; ax < kHalfWidth; ++ax) {
          if (!area.At(ax, ay)) continue;
          done.Set(ax, ay, true);
          for (const Step s : kAllSteps) {
            const int nx = ax + s.dx;
            const int ny = ay + s.dy;
            if (!InVisibleHalf(nx, ny)) {
              touched = -1;
              continue;
            }
            if (is_grey(nx, ny)) continue;
            const int r = region_of(nx, ny);
            if (touched == -2) touched = r;
            if (r < 0 || r != touched) touched = -1;
          }
        }
      }
      if (touched < 0) continue;
      for (int ay = 0; ay < kHeight; ++ay) {
        for (int ax = 0; ax < kHalfWidth; ++ax) {
          if (area.At(ax, ay)) marks.Set(ax, ay, true);
        }
      }
    }
  }
  return marks;
}

std::vector<Grid<bool>> PartRegions(const IndexRaster& picture) {
  std::vector<Grid<bool>> regions;
  for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
    const CellInfo& info = CellTableEntry(cell);
    regions.push_back(RegionAt(picture, info.x, info.y));
  }
  return regions;
}

void DeriveHitMap(IndexRaster& picture) {
  const std::vector<Grid<bool>> regions = PartRegions(picture);
  const Grid<bool> marks = MarksOf(picture, regions);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kHalfWidth; ++x) {
      bool hit = marks.At(x, y);
      for (const Grid<bool>& r : regions) hit = hit || r.At(x, y);
      picture.Set(x + kHalfWidth, y, hit ? kRed : kWhite);
    }
  }
}

}  // namespace veldamo::panda
