#include "icon_encode.h"

#include <cstddef>

namespace veldamo::icons {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kRows = static_cast<std::size_t>(kSize);
constexpr std::size_t kMaskRowBytes = 4;  // 32 bits per row
constexpr std::size_t kMaskBytes = kMaskRowBytes * kRows;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFFu));
  b.push_back(static_cast<std::uint8_t>(v >> 8 & 0xFFu));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFFu);
  Put16(b, v >> 16);
}

void PutDirectory(Bytes& b, std::uint32_t type, std::uint32_t colours, std::uint32_t field4,
                  std::uint32_t field6, std::size_t image_bytes) {
  Put16(b, 0);     // reserved
  Put16(b, type);  // 1 icon, 2 cursor
  Put16(b, 1);     // one image
  b.push_back(static_cast<std::uint8_t>(kSize));
  b.push_back(static_cast<std::uint8_t>(kSize));
  b.push_back(static_cast<std::uint8_t>(colours));
  b.push_back(0);  // reserved
  Put16(b, field4);  // icon: planes; cursor: hot spot x
  Put16(b, field6);  // icon: bits per pixel; cursor: hot spot y
  Put32(b, static_cast<std::uint32_t>(image_bytes));
  Put32(b, static_cast<std::uint32_t>(picture::kIconDirBytes + picture::kIconDirEntryBytes));
}

void PutBitmapHeader(Bytes& b, std::uint32_t bits, std::size_t colour_bytes) {
  Put32(b, static_cast<std::uint32_t>(picture::kBitmapHeaderBytes));
  Put32(b, kSize);
  Put32(b, 2 * kSize);  // colour rows and mask rows
  Put16(b, 1);          // planes
  Put16(b, bits);
  Put32(b, 0);  // uncompressed
  Put32(b, static_cast<std::uint32_t>(colour_bytes + kMaskBytes));
  Put32(b, 0);  // pixels per metre, x and y
  Put32(b, 0);
  Put32(b, 0);  // colours used: the whole table
  Put32(b, 0);  // colours important: all
}

void PutColour(Bytes& b, TColor c) {  // RGBQUAD: blue, green, red, reserved
  b.push_back(static_cast<std::uint8_t>(c >> 16 & 0xFFu));
  b.push_back(static_cast<std::uint8_t>(c >> 8 & 0xFFu));
  b.push_back(static_cast<std::uint8_t>(c & 0xFFu));
  b.push_back(0);
}

// One bit per pixel, rows bottom-up, most significant bit leftmost.
template <typename Bit>
void PutBits(Bytes& b, Bit bit) {
  for (int y = kSize - 1; y >= 0; --y) {
    for (int byte = 0; byte < kSize / 8; ++byte) {
      std::uint32_t v = 0;
      for (int i = 0; i < 8; ++i) v = v << 1 | (bit(byte * 8 + i, y) ? 1u : 0u);
      b.push_back(static_cast<std::uint8_t>(v));
    }
  }
}

void PutAndMask(Bytes& b, const Grid& g) {
  PutBits(b, [&](int x, int y) { return g.At(x, y) == kTransparent; });
}

}  // namespace

std::vector<std::uint8_t> EncodeCursorFile(const Grid& g) {
  Bytes b;
  b.reserve(picture::kCursorFileBytes);
  PutDirectory(b, 2, 2, static_cast<std::uint32_t>(g.hot_x), static_cast<std::uint32_t>(g.hot_y),
               picture::kCursorImageBytes);
  PutBitmapHeader(b, 1, kMaskBytes);
  PutColour(b, clBlack);
  PutColour(b, clWhite);
  PutBits(b, [&](int x, int y) { return g.At(x, y) == 1; });
  PutAndMask(b, g);
  return b;
}

std::vector<std::uint8_t> EncodeIconFile(const Grid& g) {
  constexpr std::size_t kRowBytes = kRows / 2;  // 4 bits per pixel
  Bytes b;
  b.reserve(picture::kIconFileBytes);
  PutDirectory(b, 1, 16, 1, 4, picture::kIconImageBytes);
  PutBitmapHeader(b, 4, kRowBytes * kRows);
  for (const TColor c : picture::kStandardPalette) PutColour(b, c);
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; x += 2) {
      auto index = [&](int px) {
        const int v = g.At(px, y);
        return static_cast<std::uint32_t>(v == kTransparent ? 0 : v);
      };
      b.push_back(static_cast<std::uint8_t>(index(x) << 4 | index(x + 1)));
    }
  }
  PutAndMask(b, g);
  return b;
}

}  // namespace veldamo::icons
