#include "asset_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <iterator>
#include <utility>

#include "picture/bmp.h"

namespace veldamo::asset_test {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<std::uint8_t>& AssetBytes() {
  static const std::vector<std::uint8_t> bytes = ReadFile(VELDAMO_PANDA_BMP);
  return bytes;
}

const Surface& Asset() {
  static const Surface surface = [] {
    picture::Decoded<Surface> loaded = picture::LoadBmp(AssetBytes());
    if (!loaded) {
      ADD_FAILURE() << "LoadBmp(" << VELDAMO_PANDA_BMP << "): " << loaded.error;
      return Surface();
    }
    return std::move(*loaded.value);
  }();
  return surface;
}

int Mask::Count() const { return static_cast<int>(std::count(on_.begin(), on_.end(), 1)); }

Mask Mask::Shifted(int dx) const {
  Mask out;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (Has(x, y) && Surface::Inside(x + dx, y)) out.Add(x + dx, y);
    }
  }
  return out;
}

Box BoundingBox(const Mask& m) {
  Box b{kWidth, kHeight, -1, -1};
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (!m.Has(x, y)) continue;
      b.left = std::min(b.left, x);
      b.right = std::max(b.right, x);
      b.top = std::min(b.top, y);
      b.bottom = std::max(b.bottom, y);
    }
  }
  return b;
}

std::string Describe(const Mask& m) {
  const Box b = BoundingBox(m);
  return std::to_string(m.Count()) + " px, x " + std::to_string(b.left) + "-" +
         std::to_string(b.right) + ", y " + std::to_string(b.top) + "-" +
         std::to_string(b.bottom);
}

namespace {

constexpr std::pair<int, int> kSteps[8] = {{1, 0}, {-1, 0}, {0, 1},  {0, -1},
                                           {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

template <typename Keep>
Mask Flood(int x, int y, int connectivity, Keep keep) {
  Mask seen;
  if (!Surface::Inside(x, y) || !keep(x, y)) return seen;
  std::deque<std::pair<int, int>> todo{{x, y}};
  seen.Add(x, y);
  while (!todo.empty()) {
    const auto [cx, cy] = todo.front();
    todo.pop_front();
    for (int k = 0; k < connectivity; ++k) {
      const int nx = cx + kSteps[k].first;
      const int ny = cy + kSteps[k].second;
      if (Surface::Inside(nx, ny) && !seen.Has(nx, ny) && keep(nx, ny)) {
        seen.Add(nx, ny);
        todo.emplace_back(nx, ny);
      }
    }
  }
  return seen;
}

}  // namespace

Mask FloodSame(const Surface& s, int x, int y, int connectivity) {
  const TColor c = s.Pixel(x, y);
  return Flood(x, y, connectivity, [&](int px, int py) { return s.Pixel(px, py) == c; });
}

Mask Region(std::int32_t cell) {
  const CellInfo& info = CellTableEntry(cell);
  return FloodSame(Asset(), info.x, info.y, 4);
}

Mask TwinRegion(std::int32_t cell) {
  const CellInfo& info = CellTableEntry(cell);
  return FloodSame(Asset(), info.x + kHitMapOffset, info.y, 4);
}

std::vector<Mask> GreyAreas(const Surface& s) {
  std::vector<Mask> areas;
  Mask done;
  const auto grey = [&](int x, int y) { return x < kViewWidth && s.Pixel(x, y) == clGray; };
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kViewWidth; ++x) {
      if (!grey(x, y) || done.Has(x, y)) continue;
      Mask area = Flood(x, y, 8, grey);
      for (int ay = 0; ay < kHeight; ++ay) {
        for (int ax = 0; ax < kViewWidth; ++ax) {
          if (area.Has(ax, ay)) done.Add(ax, ay);
        }
      }
      areas.push_back(std::move(area));
    }
  }
  return areas;
}

std::vector<int> GreyDistances(const Surface& s, const Mask& from, const std::vector<Mask>& to) {
  std::vector<int> dist(static_cast<std::size_t>(kWidth * kHeight), -1);
  const auto at = [](int x, int y) { return static_cast<std::size_t>(y * kWidth + x); };
  const auto grey = [&](int x, int y) { return Surface::Inside(x, y) && s.Pixel(x, y) == clGray; };
  const auto next_to = [](const Mask& m, int x, int y) {
    return m.Has(x + 1, y) || m.Has(x - 1, y) || m.Has(x, y + 1) || m.Has(x, y - 1);
  };
  std::deque<std::pair<int, int>> todo;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (grey(x, y) && next_to(from, x, y)) {
        dist[at(x, y)] = 1;
        todo.emplace_back(x, y);
      }
    }
  }
  while (!todo.empty()) {
    const auto [cx, cy] = todo.front();
    todo.pop_front();
    for (int k = 0; k < 4; ++k) {
      const int nx = cx + kSteps[k].first;
      const int ny = cy + kSteps[k].second;
      if (grey(nx, ny) && dist[at(nx, ny)] < 0) {
        dist[at(nx, ny)] = dist[at(cx, cy)] + 1;
        todo.emplace_back(nx, ny);
      }
    }
  }
  std::vector<int> out;
  for (const Mask& target : to) {
    int best = -1;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const int d = dist[at(x, y)];
        if (d > 0 && next_to(target, x, y) && (best < 0 || d < best)) best = d;
      }
    }
    out.push_back(best);
  }
  return out;
}

}  // namespace veldamo::asset_test
