// A PNG preview of the picture for people to look at: each pixel scaled up
// to a square of `scale` x `scale`, the colour-table indices kept as a
// 256-colour palette.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "panda/grid.h"

namespace veldamo::panda {

std::vector<std::uint8_t> EncodePngPreview(const IndexRaster& picture, int scale);

// The checksums PNG and its zlib stream use.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

// A zlib stream of one fixed-Huffman deflate block that codes runs of a
// repeated byte as matches at distance 1 and everything else as literals.
std::vector<std::uint8_t> ZlibRunLength(std::span<const std::uint8_t> bytes);

}  // namespace veldamo::panda
