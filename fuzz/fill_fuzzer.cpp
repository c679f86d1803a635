// The canvas flood fill against a plain breadth-first fill, on surfaces made
// from the input: a tile of up to 64 pixels' width repeated over the whole
// 400 x 300 picture, so that short inputs make mazes that reach every edge
// and every alignment of the four-pixel runs.
//
// Input: seed x, seed y (2 bytes each), tile width, brush choice, then the
// tile's pixels at 2 bits each, row by row.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "consume.h"
#include "picture/canvas.h"

namespace {

using veldamo::TColor;
namespace pic = veldamo::picture;

constexpr std::array<TColor, 4> kTileColours = {veldamo::clBlack, veldamo::clWhite,
                                                veldamo::clSilver, veldamo::clGray};
constexpr std::array<TColor, 5> kBrushes = {veldamo::clBlack, veldamo::clWhite,
                                            veldamo::clSilver, veldamo::clGray,
                                            veldamo::clLime};
constexpr std::size_t kHeaderBytes = 6;

std::uint32_t U16(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8U;
}

// The harness's own code is left without coverage tracing: the fuzzer is to
// steer by the canvas's branches, and tracing every pixel of these loops
// would slow each run tenfold.
#define VELDAMO_NO_COVERAGE __attribute__((no_sanitize("coverage")))

VELDAMO_NO_COVERAGE
void Maze(const std::uint8_t* tile, std::size_t tile_bytes, std::size_t tile_width,
          pic::Surface& s) {
  constexpr auto kW = static_cast<std::size_t>(pic::kWidth);
  constexpr auto kH = static_cast<std::size_t>(pic::kHeight);
  const TColor* colours = kTileColours.data();
  TColor* out = s.Pixels().data();
  const std::size_t tile_pixels = tile_bytes * 4;
  if (tile_pixels == 0) {  // all the first tile colour
    std::fill_n(out, kW * kH, colours[0]);
    return;
  }
  // Row y repeats tile row y % rows; only the first rows up to the
  // picture's height are made, then copied down.
  const std::size_t rows = (tile_pixels + tile_width - 1) / tile_width;
  const std::size_t made = std::min(rows, kH);
  for (std::size_t y = 0; y < made; ++y) {
    TColor* row = out + y * kW;
    for (std::size_t x = 0; x < tile_width; ++x) {
      const std::size_t k = (y * tile_width + x) % tile_pixels;
      row[x] = colours[tile[k / 4] >> (2 * (k % 4)) & 3U];
    }
    for (std::size_t x = tile_width; x < kW; ++x) row[x] = row[x - tile_width];
  }
  for (std::size_t y = made; y < kH; ++y) {
    std::copy_n(out + (y % rows) * kW, kW, out + y * kW);
  }
}

// The 4-connected area of the seed's colour, painted one pixel at a time.
// Each pixel is painted when it is pushed, so the stack never holds more
// than the picture.
VELDAMO_NO_COVERAGE
std::size_t ReferenceFill(pic::Surface& s, int x, int y, TColor paint) {
  if (!pic::Surface::Inside(x, y)) return 0;
  constexpr int kW = pic::kWidth;
  constexpr int kPixels = pic::kWidth * pic::kHeight;
  static int stack[kPixels];
  TColor* const p = s.Pixels().data();
  const TColor old = p[y * kW + x];
  if (old == paint) return 0;
  std::size_t top = 0;
  std::size_t painted = 0;
  p[y * kW + x] = paint;
  stack[top++] = y * kW + x;
  while (top != 0) {
    const int i = stack[--top];
    ++painted;
    const int px = i % kW;
    const int neighbours[4] = {px > 0 ? i - 1 : -1, px < kW - 1 ? i + 1 : -1, i - kW, i + kW};
    for (const int n : neighbours) {
      if (n >= 0 && n < kPixels && p[n] == old) {
        p[n] = paint;
        stack[top++] = n;
      }
    }
  }
  return painted;
}

// True when every pixel that differs between the two lies inside `area`.
VELDAMO_NO_COVERAGE
bool ChangesInside(const pic::Surface& before, const pic::Surface& after, pic::DirtyRect area) {
  const TColor* b = before.Pixels().data();
  const TColor* a = after.Pixels().data();
  for (int y = 0; y < pic::kHeight; ++y) {
    for (int x = 0; x < pic::kWidth; ++x, ++a, ++b) {
      const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
      if (!inside && *a != *b) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using veldamo::fuzz::Require;
  if (size < kHeaderBytes) return 0;
  // Seeds reach 10 pixels past every edge: those fills must change nothing.
  const int x = static_cast<int>(U16(data) % (pic::kWidth + 20)) - 10;
  const int y = static_cast<int>(U16(data + 2) % (pic::kHeight + 20)) - 10;
  const std::size_t tile_width = data[4] % 64U + 1;
  const TColor brush = kBrushes[data[5] % kBrushes.size()];

  // Kept between runs: three fresh 480 KB pictures a run would cost more
  // than the fills. The canvas keeps its fill stack too, as in the program.
  static pic::Surface before;
  static pic::Surface expected;
  static pic::Canvas canvas;
  Maze(data + kHeaderBytes, size - kHeaderBytes, tile_width, before);
  expected = before;
  const std::size_t expected_count = ReferenceFill(expected, x, y, brush);

  canvas.surface() = before;
  canvas.TakeChanged();
  canvas.SetBrushColor(brush);
  const std::size_t count = canvas.FloodFill(x, y);
  Require(count == expected_count, "the fill reports the pixels it painted");
  Require(canvas.surface() == expected, "the fill paints exactly the seed's 4-connected area");

  Require(ChangesInside(before, expected, canvas.TakeChanged()),
          "the changed area covers every painted pixel");
  veldamo::fuzz::Hash hash;
  hash.Add(count);
  hash.Sink();
  return 0;
}
