#include "picture/bmp.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace veldamo::picture {

namespace {

// Byte offsets of the header fields.
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kPaletteEntries = 256;
constexpr std::size_t kPaletteOffset = kFileHeaderSize + kInfoHeaderSize;  // 54
constexpr std::size_t kPixelOffset = kPaletteOffset + kPaletteEntries * 4;  // 1078
constexpr std::size_t kRowBytes = kWidth;  // 400 is a multiple of 4: no padding
constexpr std::size_t kPixelBytes = kRowBytes * kHeight;  // 120000

static_assert(kPixelOffset + kPixelBytes == kBmpFileSize);

// Little-endian reads; callers have checked the bounds.
std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8U;
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return U16(b, at) | U16(b, at + 2) << 16U;
}

std::int32_t S32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(U32(b, at));
}

std::string Field(const char* name, std::int64_t got, const char* want) {
  return std::string("BMP ") + name + " is " + std::to_string(got) + ", expected " + want;
}

// The first thing wrong with the headers, or an empty string. The fields
// that say what kind of picture this is come first, so that another BMP is
// named for what it is rather than for its size.
std::string CheckHeaders(std::span<const std::uint8_t> b) {
  if (U32(b, 14) != kInfoHeaderSize) {
    return Field("information header size", U32(b, 14), "40 (BITMAPINFOHEADER)");
  }
  if (S32(b, 18) != kWidth) return Field("width", S32(b, 18), "400");
  if (S32(b, 22) < 0) {
    return Field("height", S32(b, 22), "300 (top-down rows are not supported)");
  }
  if (S32(b, 22) != kHeight) return Field("height", S32(b, 22), "300");
  if (U16(b, 26) != 1) return Field("plane count", U16(b, 26), "1");
  if (U16(b, 28) != 8) return Field("bits per pixel", U16(b, 28), "8");
  if (U32(b, 30) != 0) return Field("compression", U32(b, 30), "0 (uncompressed)");
  const std::uint32_t used = U32(b, 46);
  if (used != 0 && used != kPaletteEntries) return Field("colours used", used, "0 or 256");
  if (U32(b, 50) > kPaletteEntries) return Field("important colours", U32(b, 50), "0 to 256");
  // Uncompressed files may leave the image size 0; any other value must be exact.
  if (U32(b, 34) != kPixelBytes && U32(b, 34) != 0) {
    return Field("image size", U32(b, 34), "120000 or 0");
  }
  if (U32(b, 10) != kPixelOffset) return Field("pixel data offset", U32(b, 10), "1078");
  if (U32(b, 2) != kBmpFileSize) return Field("file size field", U32(b, 2), "121078");
  if (U16(b, 6) != 0 || U16(b, 8) != 0) return "BMP reserved header fields are not 0";
  return {};
}

}  // namespace

Decoded<Surface> LoadBmp(std::span<const std::uint8_t> bytes) {
  using R = Decoded<Surface>;
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
    return R::Fail("not a BMP file: it does not start with \"BM\"");
  }
  if (bytes.size() < kPaletteOffset) {
    return R::Fail("BMP truncated: " + std::to_string(bytes.size()) +
                   " bytes, the headers need 54");
  }
  if (std::string why = CheckHeaders(bytes); !why.empty()) return R::Fail(why);
  if (bytes.size() < kPixelOffset) {
    return R::Fail("BMP truncated: " + std::to_string(bytes.size()) +
                   " bytes, the colour table needs 1078");
  }
  if (bytes.size() < kBmpFileSize) {
    return R::Fail("BMP truncated: " + std::to_string(bytes.size()) +
                   " bytes, the pixel data needs 121078");
  }
  if (bytes.size() > kBmpFileSize) {
    return R::Fail("BMP has " + std::to_string(bytes.size() - kBmpFileSize) +
                   " bytes after the pixel data");
  }

  // Colour table entries are blue, green, red, 0.
  std::array<TColor, kPaletteEntries> palette{};
  for (std::size_t i = 0; i < kPaletteEntries; ++i) {
    const std::size_t at = kPaletteOffset + 4 * i;
    if (bytes[at + 3] != 0) {
      return R::Fail("BMP colour table entry " + std::to_string(i) +
                     " has a non-zero reserved byte");
    }
    palette[i] = static_cast<TColor>(bytes[at + 2]) |
                 static_cast<TColor>(bytes[at + 1]) << 8U |
                 static_cast<TColor>(bytes[at]) << 16U;
  }

  // Stored row r is picture row 299 - r.
  Surface surface;
  std::span<TColor> out = surface.Pixels();
  for (std::size_t r = 0; r < static_cast<std::size_t>(kHeight); ++r) {
    const std::size_t y = static_cast<std::size_t>(kHeight) - 1 - r;
    const std::uint8_t* in = bytes.data() + kPixelOffset + r * kRowBytes;
    TColor* row = out.data() + y * static_cast<std::size_t>(kWidth);
    for (std::size_t x = 0; x < kRowBytes; ++x) row[x] = palette[in[x]];
  }
  return R::Ok(std::move(surface));
}

}  // namespace veldamo::picture
