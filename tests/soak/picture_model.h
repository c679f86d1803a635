// What the picture must look like, worked out once from the loaded asset
// with a plain fill of its own: which part each view pixel belongs to, and
// which part a press at each view point must hit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board_model.h"
#include "picture/surface.h"

namespace veldamo::soak {

class PictureModel {
 public:
  // `asset` is the picture as loaded, before anything painted it.
  explicit PictureModel(const picture::Surface& asset);

  // The part whose region holds view pixel (x, y), or 0.
  std::int32_t RegionAt(int x, int y) const { return region_[Index(x, y)]; }
  // The part a press at (x, y) must give: 0 off the view.
  std::int32_t HitAt(int x, int y) const;

  std::size_t RegionPixels(std::int32_t cell) const;

  // The first thing wrong with `now`, or "": every part shows its shade over
  // its whole region, and every other pixel, the whole hit-map half
  // included, is as in `baseline` (the picture right after start-up).
  std::string Mismatch(const picture::Surface& now, const picture::Surface& baseline,
                       const Shades& shades) const;

 private:
  static std::size_t Index(int x, int y) {
    return static_cast<std::size_t>(y) * picture::kViewWidth + static_cast<std::size_t>(x);
  }

  std::vector<std::int32_t> region_;  // view pixels, row-major
  std::vector<std::int32_t> hit_;     // view pixels, row-major
};

}  // namespace veldamo::soak
