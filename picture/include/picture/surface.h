// The picture's true-colour drawing surface: 400 x 300 TColor values.
// Columns 0..199 are the visible half, 200..399 the hit map.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "puzzle/tcolor.h"

namespace veldamo::picture {

inline constexpr int kWidth = 400;
inline constexpr int kHeight = 300;
inline constexpr int kViewWidth = 200;
inline constexpr int kHitMapOffset = 200;

// A rectangle of changed pixels, [left, right) x [top, bottom).
struct DirtyRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return left >= right || top >= bottom; }
};

class Surface {
 public:
  Surface();  // all pixels clBlack

  // Exactly the value last written; kNoColor outside the picture.
  TColor Pixel(int x, int y) const;
  // Writes inside the picture only.
  void SetPixel(int x, int y, TColor c);

  static bool Inside(int x, int y) { return x >= 0 && x < kWidth && y >= 0 && y < kHeight; }

  // Row-major pixels, kWidth per row, top row first.
  std::span<TColor> Pixels() { return pixels_; }
  std::span<const TColor> Pixels() const { return pixels_; }

  friend bool operator==(const Surface&, const Surface&) = default;

 private:
  std::vector<TColor> pixels_;
};

}  // namespace veldamo::picture
