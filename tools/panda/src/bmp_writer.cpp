#include "panda/bmp_writer.h"

#include <cstddef>

namespace veldamo::panda {

namespace {

constexpr std::uint32_t kPixelOffset = 14 + 40 + 256 * 4;  // 1078
constexpr std::uint32_t kPixelBytes = kWidth * kHeight;    // rows need no padding
constexpr std::uint32_t kFileSize = kPixelOffset + kPixelBytes;
constexpr std::uint32_t kXPixelsPerMetre = 3790;
constexpr std::uint32_t kYPixelsPerMetre = 3780;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFFU));
  out.push_back(static_cast<std::uint8_t>((v >> 8U) & 0xFFU));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFFU);
  Put16(out, v >> 16U);
}

// Red and green levels 0..6 step by 0x20, level 7 is full.
std::uint8_t RedGreenLevel(unsigned level) {
  return level == 7 ? 0xFF : static_cast<std::uint8_t>(level * 0x20U);
}

// Blue levels 0..2 step by 0x40, level 3 is full.
std::uint8_t BlueLevel(unsigned level) {
  return level == 3 ? 0xFF : static_cast<std::uint8_t>(level * 0x40U);
}

}  // namespace

Rgb PaletteEntry(std::uint8_t index) {
  const unsigned i = index;
  return Rgb{RedGreenLevel(i >> 5U), RedGreenLevel((i >> 2U) & 7U), BlueLevel(i & 3U)};
}

std::vector<std::uint8_t> EncodeBmp(const IndexRaster& picture) {
  std::vector<std::uint8_t> out;
  out.reserve(kFileSize);
  // File header.
  out.push_back('B');
  out.push_back('M');
  Put32(out, kFileSize);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, kPixelOffset);
  // Information header.
  Put32(out, 40);
  Put32(out, kWidth);
  Put32(out, kHeight);  // positive: bottom-up rows
  Put16(out, 1);        // planes
  Put16(out, 8);        // bits per pixel
  Put32(out, 0);        // no compression
  Put32(out, kPixelBytes);
  Put32(out, kXPixelsPerMetre);
  Put32(out, kYPixelsPerMetre);
  Put32(out, 0);  // colours used: all 256
  Put32(out, 0);  // important colours: all
  for (unsigned i = 0; i < 256; ++i) {
    const Rgb c = PaletteEntry(static_cast<std::uint8_t>(i));
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) out.push_back(picture.At(x, y));
  }
  return out;
}

}  // namespace veldamo::panda
