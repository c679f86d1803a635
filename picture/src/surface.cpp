#include "picture/surface.h"

namespace veldamo::picture {

Surface::Surface() : pixels_(static_cast<std::size_t>(kWidth) * kHeight, clBlack) {}

TColor Surface::Pixel(int x, int y) const {
  if (!Inside(x, y)) return kNoColor;
  return pixels_[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)];
}

void Surface::SetPixel(int x, int y, TColor c) {
  if (!Inside(x, y)) return;
  pixels_[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)] = c;
}

}  // namespace veldamo::picture
