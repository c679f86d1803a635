// The committed cursor and icon decode to the drawings they were made from,
// and the drawings have the content the window relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <map>
#include <vector>

#include "icon_grid.h"
#include "picture/images.h"
#include "test_files.h"

namespace veldamo::picture {
namespace {

using images_test::CursorFile;
using images_test::IconFile;
using images_test::ReadText;

constexpr int N = Image32::kSize;
const std::uint32_t kBlack = OpaqueArgb(clBlack);
const std::uint32_t kWhite = OpaqueArgb(clWhite);

std::uint32_t Pixel(const Image32& im, int x, int y) {
  return im.argb[static_cast<std::size_t>(y * N + x)];
}

std::map<std::uint32_t, int> CountColours(const Image32& im) {
  std::map<std::uint32_t, int> n;
  for (const auto p : im.argb) ++n[p];
  return n;
}

// The drawing as pixels: transparent, or the colour its index names.
Image32 Expected(const icons::Grid& g, bool cursor) {
  Image32 im;
  for (int y = 0; y < N; ++y) {
    for (int x = 0; x < N; ++x) {
      const int v = g.At(x, y);
      const TColor c = cursor ? (v == 1 ? clWhite : clBlack)
                              : kStandardPalette[static_cast<std::size_t>(std::max(v, 0))];
      im.argb[static_cast<std::size_t>(y * N + x)] =
          v == icons::kTransparent ? kTransparentArgb : OpaqueArgb(c);
    }
  }
  return im;
}

struct Box {
  int left = N, top = N, right = -1, bottom = -1;
  void Add(int x, int y) {
    left = std::min(left, x), top = std::min(top, y);
    right = std::max(right, x), bottom = std::max(bottom, y);
  }
};

// Bounding boxes of the 8-connected groups of opaque pixels.
std::vector<Box> Figures(const Image32& im) {
  std::vector<int> seen(static_cast<std::size_t>(N * N), 0);
  std::vector<Box> out;
  for (int sy = 0; sy < N; ++sy) {
    for (int sx = 0; sx < N; ++sx) {
      const auto s = static_cast<std::size_t>(sy * N + sx);
      if (seen[s] || im.argb[s] == kTransparentArgb) continue;
      Box box;
      std::vector<std::pair<int, int>> stack{{sx, sy}};
      seen[s] = 1;
      while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        box.Add(x, y);
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= N || ny >= N) continue;
            const auto i = static_cast<std::size_t>(ny * N + nx);
            if (seen[i] || im.argb[i] == kTransparentArgb) continue;
            seen[i] = 1;
            stack.emplace_back(nx, ny);
          }
        }
      }
      out.push_back(box);
    }
  }
  return out;
}

TEST(RealCursor, DecodesToItsDrawing) {
  const auto bytes = CursorFile();
  EXPECT_EQ(bytes.size(), kCursorFileBytes);
  const auto cur = DecodeCursor(bytes);
  ASSERT_TRUE(cur) << cur.error;
  EXPECT_EQ(cur.value->hot_x, 0);
  EXPECT_EQ(cur.value->hot_y, 0);
  EXPECT_EQ(Pixel(*cur.value, 0, 0), kBlack) << "the tip is the hot spot";

  const auto grid = icons::ParseCursorGrid(ReadText(VELDAMO_ICON_DRAWINGS_DIR "/mycsr.txt"));
  ASSERT_TRUE(grid) << grid.error;
  EXPECT_EQ(cur.value->argb, Expected(*grid.value, true).argb);

  auto counts = CountColours(*cur.value);
  std::cout << "cursor: black " << counts[kBlack] << ", white " << counts[kWhite]
            << ", transparent " << counts[kTransparentArgb] << '\n';
  EXPECT_EQ(counts[kBlack] + counts[kWhite] + counts[kTransparentArgb], N * N)
      << "only black, white and transparent";
}

TEST(RealCursor, HasArrowAndDiscApart) {
  const auto cur = DecodeCursor(CursorFile());
  ASSERT_TRUE(cur) << cur.error;
  const auto figures = Figures(*cur.value);
  ASSERT_EQ(figures.size(), 2u);
  const Box arrow = figures[0];  // found first: it holds (0, 0)
  const Box disc = figures[1];
  EXPECT_EQ(arrow.left, 0);
  EXPECT_EQ(arrow.top, 0);
  EXPECT_LE(arrow.right, 19);
  EXPECT_LE(arrow.bottom, 20);
  EXPECT_EQ(disc.left, 13);
  EXPECT_EQ(disc.top, 13);
  EXPECT_EQ(disc.right, 31);
  EXPECT_EQ(disc.bottom, 31);
  // Black on top and to the right, white at the lower left.
  EXPECT_EQ(Pixel(*cur.value, 22, 15), kBlack);
  EXPECT_EQ(Pixel(*cur.value, 28, 22), kBlack);
  EXPECT_EQ(Pixel(*cur.value, 17, 25), kWhite);
}

TEST(RealIcon, DecodesToItsDrawing) {
  const auto bytes = IconFile();
  EXPECT_EQ(bytes.size(), kIconFileBytes);
  const auto icon = DecodeIcon(bytes);
  ASSERT_TRUE(icon) << icon.error;

  const auto grid = icons::ParseIconGrid(ReadText(VELDAMO_ICON_DRAWINGS_DIR "/mainicon.txt"));
  ASSERT_TRUE(grid) << grid.error;
  EXPECT_EQ(icon.value->argb, Expected(*grid.value, false).argb);

  const std::uint32_t fuchsia = OpaqueArgb(clFuchsia);
  auto counts = CountColours(*icon.value);
  std::cout << "icon: black " << counts[kBlack] << ", grey " << counts[OpaqueArgb(clGray)]
            << ", silver " << counts[OpaqueArgb(clSilver)] << ", fuchsia " << counts[fuchsia]
            << ", white " << counts[kWhite] << ", transparent " << counts[kTransparentArgb]
            << '\n';
  for (const auto& [colour, n] : counts) {
    EXPECT_TRUE(colour == kTransparentArgb || colour == kBlack || colour == kWhite ||
                colour == fuchsia || colour == OpaqueArgb(clGray) ||
                colour == OpaqueArgb(clSilver))
        << std::hex << colour << " is not an icon colour";
  }
}

TEST(RealIcon, CaptionAboveFace) {
  const auto icon = DecodeIcon(IconFile());
  ASSERT_TRUE(icon) << icon.error;
  const std::uint32_t fuchsia = OpaqueArgb(clFuchsia);
  for (int y = 0; y < N; ++y) {
    for (int x = 0; x < N; ++x) {
      const auto p = Pixel(*icon.value, x, y);
      if (y <= 4) {
        EXPECT_TRUE(p == fuchsia || p == kTransparentArgb) << "caption row, pixel " << x << "," << y;
      } else if (y == 5) {
        EXPECT_EQ(p, kTransparentArgb) << "gap row, pixel " << x;
      } else {
        EXPECT_NE(p, fuchsia) << "face row, pixel " << x << "," << y;
      }
    }
  }
}

// Independent of the generator: flip bits where the format puts the top row
// (stored last) and see the top row change.
TEST(Layout, LastStoredRowIsTheTop) {
  auto cur = CursorFile();
  const std::size_t and_top_row = 22 + 40 + 8 + 128 + 31 * 4;
  cur[and_top_row] |= 0x80;  // pixel (0, 0): AND 1, XOR 0 = transparent
  const auto c = DecodeCursor(cur);
  ASSERT_TRUE(c) << c.error;
  EXPECT_EQ(Pixel(*c.value, 0, 0), kTransparentArgb);
  EXPECT_EQ(Pixel(*c.value, 0, 31), kTransparentArgb);
  EXPECT_EQ(Pixel(*c.value, 0, 1), kBlack);

  auto ico = IconFile();
  const std::size_t colour_top_row = 22 + 40 + 64 + 31 * 16;
  ico[colour_top_row] = static_cast<std::uint8_t>((ico[colour_top_row] & 0xF0) | 0x0F);
  const auto i = DecodeIcon(ico);
  ASSERT_TRUE(i) << i.error;
  EXPECT_EQ(Pixel(*i.value, 1, 0), kWhite) << "low nibble is the second pixel";
  EXPECT_EQ(Pixel(*i.value, 1, 1), OpaqueArgb(clFuchsia));
}

}  // namespace
}  // namespace veldamo::picture
