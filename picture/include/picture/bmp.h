// Loads the picture asset: an uncompressed 400 x 300, 8-bit, bottom-up
// Windows BMP with a 256-entry colour table. Anything else is refused with a
// message naming what is wrong.
#pragma once

#include <cstdint>
#include <span>

#include "picture/decoded.h"
#include "picture/surface.h"

namespace veldamo::picture {

inline constexpr std::size_t kBmpFileSize = 121078;

Decoded<Surface> LoadBmp(std::span<const std::uint8_t> bytes);

}  // namespace veldamo::picture
