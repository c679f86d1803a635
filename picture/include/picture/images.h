// Decoders for the custom cursor (.cur) and the program icon (.ico): one
// 32 x 32 image each, in the formats the resources are stored in. Strict: any
// other layout is refused with a message naming what is wrong.
//
// Cursor file: 6-byte directory (type 2, one image), one 16-byte entry with
// the hot spot, then a 304-byte image: 40-byte bitmap header (height 64,
// 1 bit per pixel), black/white colour table, XOR mask, AND mask.
// Icon file: directory (type 1), one entry, then a 744-byte image: 40-byte
// header (height 64, 4 bits per pixel), the standard 16-colour palette,
// 4-bit colour bitmap, AND mask. Rows are stored bottom-up in both.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "picture/decoded.h"
#include "puzzle/tcolor.h"

namespace veldamo::picture {

// 32 x 32 pixels, row-major from the top, 0xAARRGGBB (premultiplied is not
// used: alpha is 0 or 255).
struct Image32 {
  static constexpr int kSize = 32;
  std::array<std::uint32_t, kSize * kSize> argb{};
  int hot_x = 0;
  int hot_y = 0;
};

inline constexpr std::size_t kIconDirBytes = 6;
inline constexpr std::size_t kIconDirEntryBytes = 16;
inline constexpr std::size_t kBitmapHeaderBytes = 40;
// The cursor image as a resource starts with the hot spot (2 + 2 bytes); in
// a .cur file the hot spot lives in the directory entry instead.
inline constexpr std::size_t kCursorResourceBytes = 308;
inline constexpr std::size_t kCursorImageBytes = kCursorResourceBytes - 4;
inline constexpr std::size_t kIconImageBytes = 744;
inline constexpr std::size_t kCursorFileBytes =
    kIconDirBytes + kIconDirEntryBytes + kCursorImageBytes;
inline constexpr std::size_t kIconFileBytes =
    kIconDirBytes + kIconDirEntryBytes + kIconImageBytes;

// Indices 0-15: black, maroon, green, olive, navy, purple, teal, silver,
// grey, red, lime, yellow, blue, fuchsia, aqua, white.
inline constexpr std::array<TColor, 16> kStandardPalette = {
    clBlack, clMaroon, clGreen, clOlive,   clNavy, clPurple, clTeal,   clSilver,
    clGray,  clRed,    clLime,  0x00FFFFu, clBlue, clFuchsia, 0xFFFF00u, clWhite};

inline constexpr std::uint32_t kTransparentArgb = 0x00000000u;

// The opaque 0xAARRGGBB pixel of a 0x00BBGGRR colour.
constexpr std::uint32_t OpaqueArgb(TColor c) {
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

Decoded<Image32> DecodeCursor(std::span<const std::uint8_t> file);
Decoded<Image32> DecodeIcon(std::span<const std::uint8_t> file);

}  // namespace veldamo::picture
