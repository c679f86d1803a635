// The picture as the stored Windows BMP: 400 x 300, 8 bits per pixel,
// uncompressed, bottom-up rows, 256-entry colour table built from the bits
// of each index.
#pragma once

#include <cstdint>
#include <vector>

#include "panda/grid.h"

namespace veldamo::panda {

struct Rgb {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
};

// Colour-table entry i: bits 7-5 red level, 4-2 green level, 1-0 blue level.
Rgb PaletteEntry(std::uint8_t index);

// The 121,078-byte file.
std::vector<std::uint8_t> EncodeBmp(const IndexRaster& picture);

}  // namespace veldamo::panda
