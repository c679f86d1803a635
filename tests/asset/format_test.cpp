// The stored file: every header field, the colour table, the five entries
// the pixels use, and the row order.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "asset_view.h"

namespace veldamo::asset_test {
namespace {

std::uint32_t Field(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t size) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < size; ++i) v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return v;
}

TEST(AssetFormat, HeaderFieldsAreExactlyTheStoredOnes) {
  const std::vector<std::uint8_t>& b = AssetBytes();
  ASSERT_EQ(b.size(), 121078u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  struct Expect {
    std::size_t offset;
    std::size_t size;
    std::uint32_t value;
    const char* name;
  };
  const Expect fields[] = {
      {2, 4, 121078, "file size"},       {6, 2, 0, "reserved"},
      {8, 2, 0, "reserved"},             {10, 4, 1078, "pixel data offset"},
      {14, 4, 40, "info header size"},   {18, 4, 400, "width"},
      {22, 4, 300, "height"},            {26, 2, 1, "planes"},
      {28, 2, 8, "bits per pixel"},      {30, 4, 0, "compression"},
      {34, 4, 120000, "pixel data size"}, {38, 4, 3790, "horizontal resolution"},
      {42, 4, 3780, "vertical resolution"}, {46, 4, 0, "colours used"},
      {50, 4, 0, "important colours"},
  };
  for (const Expect& f : fields) {
    EXPECT_EQ(Field(b, f.offset, f.size), f.value) << f.name << " at offset " << f.offset;
  }
}

TEST(AssetFormat, ColourTableIsBuiltFromTheIndexBits) {
  const std::vector<std::uint8_t>& b = AssetBytes();
  ASSERT_EQ(b.size(), 121078u);
  const std::uint8_t red_green[8] = {0x00, 0x20, 0x40, 0x60, 0x80, 0xA0, 0xC0, 0xFF};
  const std::uint8_t blue[4] = {0x00, 0x40, 0x80, 0xFF};
  for (std::size_t i = 0; i < 256; ++i) {
    const std::size_t at = 54 + 4 * i;
    EXPECT_EQ(b[at], blue[i & 3]) << "blue of entry " << i;
    EXPECT_EQ(b[at + 1], red_green[(i >> 2) & 7]) << "green of entry " << i;
    EXPECT_EQ(b[at + 2], red_green[i >> 5]) << "red of entry " << i;
    EXPECT_EQ(b[at + 3], 0) << "reserved byte of entry " << i;
  }
}

TEST(AssetFormat, PixelsUseOnlyTheFiveEntriesEachInItsHalf) {
  const std::vector<std::uint8_t>& b = AssetBytes();
  ASSERT_EQ(b.size(), 121078u);
  std::map<int, int> visible;
  std::map<int, int> hit;
  for (std::size_t r = 0; r < 300; ++r) {
    for (std::size_t x = 0; x < 400; ++x) {
      const int index = b[1078 + r * 400 + x];
      (x < 200 ? visible : hit)[index] += 1;
    }
  }
  std::printf("visible half entries:");
  for (const auto& [index, n] : visible) std::printf(" %d:%d", index, n);
  std::printf("\nhit-map half entries:");
  for (const auto& [index, n] : hit) std::printf(" %d:%d", index, n);
  std::printf("\n");
  for (const auto& [index, n] : visible) {
    EXPECT_TRUE(index == 0 || index == 28 || index == 146 || index == 255)
        << n << " visible pixels use entry " << index;
  }
  for (const auto& [index, n] : hit) {
    EXPECT_TRUE(index == 224 || index == 255) << n << " hit-map pixels use entry " << index;
  }
}

TEST(AssetFormat, LoadsWithBottomRowStoredFirst) {
  const Surface& s = Asset();
  const std::vector<std::uint8_t>& b = AssetBytes();
  ASSERT_EQ(b.size(), 121078u);
  EXPECT_EQ(s.Pixel(0, 0), clBlack);
  EXPECT_EQ(s.Pixel(1, 1), clLime);
  EXPECT_EQ(s.Pixel(200, 0), clWhite);
  EXPECT_EQ(s.Pixel(201, 1), clWhite);
  EXPECT_EQ(s.Pixel(399, 299), clWhite);
  // Stored row 0 is picture row 299; a column crossing the panda tells rows apart.
  const std::uint8_t grey_index = 146;
  for (int y = 0; y < 300; ++y) {
    const std::size_t stored = 1078 + static_cast<std::size_t>((299 - y) * 400 + 100);
    EXPECT_EQ(b[stored] == grey_index, s.Pixel(100, y) == clGray) << "row " << y;
  }
}

}  // namespace
}  // namespace veldamo::asset_test
