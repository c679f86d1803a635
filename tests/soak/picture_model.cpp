#include "picture_model.h"

#include <algorithm>
#include <array>
#include <utility>

namespace veldamo::soak {
namespace {

using picture::kHeight;
using picture::kHitMapOffset;
using picture::kViewWidth;

struct Point {
  int x;
  int y;
};

// The seed point of each part, cells 1..11.
constexpr std::array<Point, kCells> kSeeds = {{{50, 30},
                                               {140, 30},
                                               {100, 50},
                                               {85, 65},
                                               {120, 80},
                                               {100, 170},
                                               {45, 125},
                                               {170, 100},
                                               {60, 250},
                                               {110, 260},
                                               {163, 213}}};

// Labels with `cell` every pixel of the half starting at column `left` that
// is 4-connected to (x, y) through pixels of the seed's colour.
void Label(const picture::Surface& s, int left, Point seed, std::int32_t cell,
           std::vector<std::int32_t>& labels) {
  const std::uint32_t colour = s.Pixel(seed.x, seed.y);
  std::vector<Point> todo{seed};
  while (!todo.empty()) {
    const Point p = todo.back();
    todo.pop_back();
    if (p.x < left || p.x >= left + kViewWidth || p.y < 0 || p.y >= kHeight) continue;
    auto& label = labels[static_cast<std::size_t>(p.y) * kViewWidth +
                         static_cast<std::size_t>(p.x - left)];
    if (label != 0 || s.Pixel(p.x, p.y) != colour) continue;
    label = cell;
    todo.push_back({p.x - 1, p.y});
    todo.push_back({p.x + 1, p.y});
    todo.push_back({p.x, p.y - 1});
    todo.push_back({p.x, p.y + 1});
  }
}

std::string At(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

}  // namespace

PictureModel::PictureModel(const picture::Surface& asset)
    : region_(static_cast<std::size_t>(kViewWidth) * kHeight, 0),
      hit_(static_cast<std::size_t>(kViewWidth) * kHeight, 0) {
  for (std::int32_t cell = 1; cell <= kCells; ++cell) {
    const Point seed = kSeeds[static_cast<std::size_t>(cell - 1)];
    Label(asset, 0, seed, cell, region_);
    Label(asset, kHitMapOffset, {seed.x + kHitMapOffset, seed.y}, cell, hit_);
  }
}

std::int32_t PictureModel::HitAt(int x, int y) const {
  if (x < 0 || x >= kViewWidth || y < 0 || y >= kHeight) return 0;
  return hit_[Index(x, y)];
}

std::size_t PictureModel::RegionPixels(std::int32_t cell) const {
  return static_cast<std::size_t>(std::count(region_.begin(), region_.end(), cell));
}

std::string PictureModel::Mismatch(const picture::Surface& now,
                                   const picture::Surface& baseline,
                                   const Shades& shades) const {
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < picture::kWidth; ++x) {
      const std::int32_t cell = x < kViewWidth ? RegionAt(x, y) : 0;
      const std::uint32_t want =
          cell != 0 ? ColourOfShade(shades[static_cast<std::size_t>(cell - 1)])
                    : baseline.Pixel(x, y);
      if (now.Pixel(x, y) != want) {
        const std::string where = cell != 0 ? "part " + std::to_string(cell)
                                  : x < kViewWidth ? "outline, mark, background or frame"
                                                   : "hit-map half";
        return "pixel " + At(x, y) + " of the " + where + " reads " +
               std::to_string(now.Pixel(x, y)) + ", expected " + std::to_string(want);
      }
    }
  }
  return {};
}

}  // namespace veldamo::soak
