// Decoders for the custom cursor (.cur) and the program icon (.ico): one
// 32 x 32 image each, in the formats the resources are stored in. Strict: any
// other layout is refused with a message naming what is wrong.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "picture/decoded.h"

namespace veldamo::picture {

// 32 x 32 pixels, row-major from the top, 0xAARRGGBB (premultiplied is not
// used: alpha is 0 or 255).
struct Image32 {
  static constexpr int kSize = 32;
  std::array<std::uint32_t, kSize * kSize> argb{};
  int hot_x = 0;
  int hot_y = 0;
};

Decoded<Image32> DecodeCursor(std::span<const std::uint8_t> file);
Decoded<Image32> DecodeIcon(std::span<const std::uint8_t> file);

}  // namespace veldamo::picture
