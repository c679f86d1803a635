// Loads the picture asset: an uncompressed 400 x 300, 8-bit, bottom-up
// Windows BMP of exactly 121,078 bytes, with a 40-byte information header,
// the pixels at offset 1078 and a 256-entry colour table. Anything else is
// refused with a message naming what is wrong. Accepted as well: an image
// size field of 0 (allowed for uncompressed files), colours used 256 (the
// same as 0), any resolution and up to 256 important colours.
#pragma once

#include <cstdint>
#include <span>

#include "picture/decoded.h"
#include "picture/surface.h"

namespace veldamo::picture {

inline constexpr std::size_t kBmpFileSize = 121078;

Decoded<Surface> LoadBmp(std::span<const std::uint8_t> bytes);

}  // namespace veldamo::picture
