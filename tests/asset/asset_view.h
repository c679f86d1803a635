// The committed picture asset as the tests see it, and the validator's own
// plain fills and measures over it (independent of the product's fill).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picture/surface.h"
#include "puzzle/board.h"

namespace veldamo::asset_test {

using picture::kHeight;
using picture::kHitMapOffset;
using picture::kViewWidth;
using picture::kWidth;
using picture::Surface;

std::vector<std::uint8_t> ReadFile(const std::string& path);

// The bytes of resources/panda.bmp and the surface LoadBmp makes of them,
// read once. A load failure is reported and leaves a black surface.
const std::vector<std::uint8_t>& AssetBytes();
const Surface& Asset();

// A set of pixels of the whole 400 x 300 picture.
class Mask {
 public:
  Mask() : on_(static_cast<std::size_t>(kWidth * kHeight), 0) {}
  bool Has(int x, int y) const {
    return Surface::Inside(x, y) && on_[static_cast<std::size_t>(y * kWidth + x)] != 0;
  }
  void Add(int x, int y) { on_[static_cast<std::size_t>(y * kWidth + x)] = 1; }
  int Count() const;
  Mask Shifted(int dx) const;  // every pixel moved dx to the right
  friend bool operator==(const Mask&, const Mask&) = default;

 private:
  std::vector<std::uint8_t> on_;
};

struct Box {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive
};
Box BoundingBox(const Mask& m);
std::string Describe(const Mask& m);  // "<count> px, x a-b, y c-d"

// Every pixel joined to (x, y) through pixels of its colour, by edge steps
// (connectivity 4) or also by corner steps (connectivity 8).
Mask FloodSame(const Surface& s, int x, int y, int connectivity);

// The visible-half region and the hit-map twin region of a cell.
Mask Region(std::int32_t cell);
Mask TwinRegion(std::int32_t cell);

// The 8-connected grey areas of the visible half.
std::vector<Mask> GreyAreas(const Surface& s);

// For region `from`, the fewest grey pixels a path of edge steps through
// grey pixels alone crosses to reach each of `to`; -1 where none does.
std::vector<int> GreyDistances(const Surface& s, const Mask& from, const std::vector<Mask>& to);

}  // namespace veldamo::asset_test
