// LoadBmp on arbitrary bytes. A picture that loads must be exactly what its
// bytes say: pixel (x, y) is the colour-table entry at stored row 299 - y.
#include <cstddef>
#include <cstdint>
#include <span>

#include "consume.h"
#include "picture/bmp.h"

namespace {

using veldamo::TColor;
namespace pic = veldamo::picture;

constexpr std::size_t kPaletteAt = 54;
constexpr std::size_t kPixelsAt = 1078;

// Entry i of the file's colour table (blue, green, red, 0) as 0x00BBGGRR.
TColor Entry(const std::uint8_t* data, std::size_t i) {
  const std::uint8_t* e = data + kPaletteAt + 4 * i;
  return static_cast<TColor>(e[2]) | static_cast<TColor>(e[1]) << 8U |
         static_cast<TColor>(e[0]) << 16U;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using veldamo::fuzz::Require;
  veldamo::fuzz::Hash hash;
  const auto result = pic::LoadBmp(std::span<const std::uint8_t>(data, size));
  if (veldamo::fuzz::Refused(result, hash)) return 0;

  Require(size == pic::kBmpFileSize, "only the 121,078-byte layout loads");
  const pic::Surface& surface = *result.value;
  for (int y = 0; y < pic::kHeight; ++y) {
    const std::size_t stored_row = static_cast<std::size_t>(pic::kHeight - 1 - y);
    for (int x = 0; x < pic::kWidth; ++x) {
      const TColor c = surface.Pixel(x, y);
      const std::size_t index =
          data[kPixelsAt + stored_row * pic::kWidth + static_cast<std::size_t>(x)];
      Require(c == Entry(data, index), "each pixel is its colour-table entry, rows bottom-up");
      hash.Add(c);
    }
  }
  hash.Sink();
  return 0;
}
