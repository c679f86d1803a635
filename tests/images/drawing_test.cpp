// The drawing reader refuses a bad drawing with the line and the fault.
#include <gtest/gtest.h>

#include <string>

#include "icon_grid.h"

namespace veldamo::icons {
namespace {

std::string Rows(int n, const std::string& row = std::string(32, '.')) {
  std::string s;
  for (int i = 0; i < n; ++i) s += row + "\n";
  return s;
}

struct BadDrawing {
  const char* name;
  bool cursor;
  std::string text;
  const char* error;
};

class Drawing : public ::testing::TestWithParam<BadDrawing> {};

TEST_P(Drawing, IsRefused) {
  const auto& c = GetParam();
  const auto got = c.cursor ? ParseCursorGrid(c.text) : ParseIconGrid(c.text);
  ASSERT_FALSE(got);
  EXPECT_EQ(got.error, c.error);
}

void PrintTo(const BadDrawing& c, std::ostream* os) { *os << c.name; }

INSTANTIATE_TEST_SUITE_P(
    Icons, Drawing,
    ::testing::Values(
        BadDrawing{"NoHotSpot", true, Rows(32), "line 1: expected \"hotspot X Y\" first"},
        BadDrawing{"HotSpotOutside", true, "hotspot 32 0\n" + Rows(32),
                   "line 1: expected \"hotspot X Y\" with X, Y in 0-31"},
        BadDrawing{"HotSpotTwice", true, "hotspot 0 0\nhotspot 1 1\n" + Rows(32),
                   "line 2: the hot spot comes once, before the rows"},
        BadDrawing{"HotSpotInIcon", false, "hotspot 0 0\n" + Rows(32),
                   "line 1: this drawing has no hot spot"},
        BadDrawing{"ShortRow", false, Rows(3) + std::string(31, '.') + "\n",
                   "line 4: row has 31 characters, expected 32"},
        BadDrawing{"CursorColourInIcon", false, "; note\n" + Rows(1, "#" + std::string(31, '.')),
                   "line 2: unknown character '#' in column 1"},
        BadDrawing{"CapitalHex", false, Rows(1, std::string(31, '.') + "F"),
                   "line 1: unknown character 'F' in column 32"},
        BadDrawing{"TooFewRows", false, Rows(31), "drawing has 31 rows, expected 32"},
        BadDrawing{"TooManyRows", true, "hotspot 0 0\n" + Rows(33), "line 34: more than 32 rows"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(Drawing, ReadsCellsHotSpotAndCrLf) {
  std::string text = "hotspot 3 4\r\n\r\n" + Rows(31);
  text += "#o" + std::string(30, '.') + "\r\n";
  const auto got = ParseCursorGrid(text);
  ASSERT_TRUE(got) << got.error;
  EXPECT_EQ(got.value->hot_x, 3);
  EXPECT_EQ(got.value->hot_y, 4);
  EXPECT_EQ(got.value->At(0, 31), 0);
  EXPECT_EQ(got.value->At(1, 31), 1);
  EXPECT_EQ(got.value->At(2, 31), kTransparent);
}

}  // namespace
}  // namespace veldamo::icons
