#include "picture/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <queue>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "test_seed.h"

namespace veldamo::picture {
namespace {

// A plain breadth-first fill over 4 edge neighbours, written for clarity.
struct Reference {
  Surface surface;
  std::size_t painted = 0;
  DirtyRect box;
};

Reference ReferenceFill(Surface s, int x, int y, TColor paint) {
  Reference r{std::move(s), 0, {}};
  if (!Surface::Inside(x, y) || r.surface.Pixel(x, y) == paint) return r;
  const TColor old = r.surface.Pixel(x, y);
  r.box = {x, y, x + 1, y + 1};
  std::queue<std::pair<int, int>> todo;
  r.surface.SetPixel(x, y, paint);
  todo.emplace(x, y);
  while (!todo.empty()) {
    const auto [px, py] = todo.front();
    todo.pop();
    ++r.painted;
    r.box.left = std::min(r.box.left, px);
    r.box.right = std::max(r.box.right, px + 1);
    r.box.top = std::min(r.box.top, py);
    r.box.bottom = std::max(r.box.bottom, py + 1);
    constexpr std::array<std::pair<int, int>, 4> kSteps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
    for (const auto& [dx, dy] : kSteps) {
      if (r.surface.Pixel(px + dx, py + dy) == old) {
        r.surface.SetPixel(px + dx, py + dy, paint);
        todo.emplace(px + dx, py + dy);
      }
    }
  }
  return r;
}

bool SameRect(DirtyRect a, DirtyRect b) {
  if (a.Empty() || b.Empty()) return a.Empty() == b.Empty();
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Fills on a canvas and checks pixels, count and changed area against the
// reference; the canvas is left filled, so fills can be chained.
void ExpectFillMatches(Canvas& canvas, int x, int y, TColor paint) {
  SCOPED_TRACE("fill at " + std::to_string(x) + "," + std::to_string(y));
  const Reference want = ReferenceFill(canvas.surface(), x, y, paint);
  canvas.TakeChanged();
  canvas.SetBrushColor(paint);
  const std::size_t painted = canvas.FloodFill(x, y);
  EXPECT_EQ(painted, want.painted);
  EXPECT_TRUE(SameRect(canvas.Changed(), want.box));
  ASSERT_TRUE(canvas.surface() == want.surface);
}

Surface Drawn(const std::function<TColor(int, int)>& colour_at) {
  Surface s;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) s.SetPixel(x, y, colour_at(x, y));
  }
  return s;
}

TEST(Surface, ReadsBackExactlyWhatWasWritten) {
  Surface s;
  EXPECT_EQ(s.Pixel(0, 0), clBlack);
  std::mt19937 rng(7);
  std::vector<TColor> written;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      written.push_back(static_cast<TColor>(rng()));
      s.SetPixel(x, y, written.back());
    }
  }
  std::size_t i = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(s.Pixel(x, y), written[i++]);
  }
  s.SetPixel(3, 4, clSilver);
  EXPECT_EQ(s.Pixel(3, 4), 0xC0C0C0U);
}

TEST(Surface, OutsideReadsNoColourAndIgnoresWrites) {
  Surface s;
  const Surface before = s;
  const std::pair<int, int> outside[] = {{-1, 0},     {0, -1},  {400, 0},    {0, 300},
                                         {399, 300},  {400, 299}, {-1, -1}, {INT32_MIN, 5},
                                         {5, INT32_MAX}};
  for (const auto& [x, y] : outside) {
    EXPECT_EQ(s.Pixel(x, y), kNoColor) << x << "," << y;
    s.SetPixel(x, y, clWhite);
  }
  EXPECT_TRUE(s == before);
  EXPECT_EQ(s.Pixel(399, 299), clBlack);
}

TEST(FloodFill, MatchesReferenceOnRandomRasters) {
  const std::uint32_t seed = testing_support::TestSeed("random rasters");
  std::mt19937 rng(seed);
  // Near colours differ in one bit only: the fill must follow exact values.
  constexpr TColor kColours[] = {clBlack, clWhite, clSilver, 0xC0C0C1, 0x01C0C0C0, clLime};
  Canvas canvas;
  for (int raster = 0; raster < 12; ++raster) {
    // Blobs: mostly one colour with sprinkled others, so regions vary from
    // single pixels to most of the picture.
    const int colours = 2 + raster % 4;
    std::uniform_int_distribution<int> pick(0, colours - 1);
    std::bernoulli_distribution sprinkle(0.15 + 0.05 * (raster % 5));
    canvas = Canvas(Drawn([&](int, int) {
      return kColours[sprinkle(rng) ? static_cast<std::size_t>(pick(rng)) : 0U];
    }));
    std::uniform_int_distribution<int> xs(0, kWidth - 1);
    std::uniform_int_distribution<int> ys(0, kHeight - 1);
    for (int fill = 0; fill < 20; ++fill) {
      ExpectFillMatches(canvas, xs(rng), ys(rng),
                        kColours[static_cast<std::size_t>(pick(rng))]);
    }
  }
}

TEST(FloodFill, StaysFourConnected) {
  struct Pattern {
    const char* name;
    std::function<TColor(int, int)> colour_at;
    std::vector<std::pair<int, int>> seeds;
  };
  const Pattern patterns[] = {
      // One-pixel diagonal walls: open to an 8-fill, closed to a 4-fill.
      {"diagonal walls",
       [](int x, int y) { return (x + y) % 9 == 0 ? clGray : clWhite; },
       {{1, 0}, {200, 150}, {399, 299}, {0, 299}}},
      {"anti-diagonal walls",
       [](int x, int y) { return (x - y + 900) % 7 == 0 ? clGray : clWhite; },
       {{1, 0}, {200, 150}, {398, 299}}},
      // Every square of a checkerboard touches its like only at corners.
      {"checkerboard",
       [](int x, int y) { return (x + y) % 2 == 0 ? clBlack : clWhite; },
       {{0, 0}, {1, 0}, {200, 150}, {399, 299}}},
      {"diamond lattice",
       [](int x, int y) { return (x % 6 + y % 6) == 5 ? clBlack : clWhite; },
       {{0, 0}, {5, 5}, {100, 100}}},
  };
  for (const Pattern& p : patterns) {
    SCOPED_TRACE(p.name);
    Canvas canvas(Drawn(p.colour_at));
    for (const auto& [x, y] : p.seeds) ExpectFillMatches(canvas, x, y, clSilver);
  }
  Canvas board(Drawn([](int x, int y) { return (x + y) % 2 == 0 ? clBlack : clWhite; }));
  board.SetBrushColor(clSilver);
  EXPECT_EQ(board.FloodFill(10, 10), 1U);
}

TEST(FloodFill, FollowsLongSerpentineCorridor) {
  // A one-pixel corridor through every even row, joined at alternate ends:
  // about 60,000 pixels in a single chain, deeper than any call stack.
  const auto corridor = [](int x, int y) {
    if (y % 2 == 0) return clWhite;
    const bool gap_right = (y / 2) % 2 == 0;
    return x == (gap_right ? kWidth - 1 : 0) ? clWhite : clGray;
  };
  Canvas canvas(Drawn(corridor));
  ExpectFillMatches(canvas, 0, 0, clBlack);
  EXPECT_EQ(canvas.Pixel(0, 298), clBlack);
  ExpectFillMatches(canvas, 0, 298, clSilver);  // and back from the far end

}

TEST(FloodFill, SameColourOrOutsideChangesNothing) {
  Canvas canvas(Drawn([](int x, int) { return x < 200 ? clWhite : clRed; }));
  const Surface before = canvas.surface();
  canvas.SetBrushColor(clWhite);
  EXPECT_EQ(canvas.FloodFill(10, 10), 0U);
  canvas.SetBrushColor(clBlack);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {-1, 10}, {400, 10}, {10, -1}, {10, 300}, {INT32_MIN, INT32_MIN}, {INT32_MAX, 0}}) {
    EXPECT_EQ(canvas.FloodFill(x, y), 0U) << x << "," << y;
  }
  EXPECT_TRUE(canvas.surface() == before);
  EXPECT_TRUE(canvas.Changed().Empty());
}

TEST(FloodFill, CoversWholePictureUpToEveryEdge) {
  Canvas canvas;
  canvas.SetBrushColor(clSilver);
  EXPECT_EQ(canvas.FloodFill(123, 45), static_cast<std::size_t>(kWidth * kHeight));
  for (TColor c : canvas.surface().Pixels()) ASSERT_EQ(c, clSilver);
  const DirtyRect all = canvas.TakeChanged();
  EXPECT_EQ(all.left, 0);
  EXPECT_EQ(all.top, 0);
  EXPECT_EQ(all.right, kWidth);
  EXPECT_EQ(all.bottom, kHeight);
}

TEST(Canvas, ChangedAreaGathersFillsUntilTaken) {
  // Two white boxes on grey.
  Canvas canvas(Drawn([](int x, int y) {
    const bool a = x >= 10 && x < 20 && y >= 30 && y < 40;
    const bool b = x >= 300 && x < 310 && y >= 5 && y < 8;
    return a || b ? clWhite : clGray;
  }));
  EXPECT_TRUE(canvas.TakeChanged().Empty());
  canvas.SetBrushColor(clBlack);
  canvas.FloodFill(15, 35);
  canvas.FloodFill(305, 6);
  const DirtyRect both = canvas.TakeChanged();
  EXPECT_EQ(both.left, 10);
  EXPECT_EQ(both.top, 5);
  EXPECT_EQ(both.right, 310);
  EXPECT_EQ(both.bottom, 40);
  EXPECT_TRUE(canvas.Changed().Empty());
  canvas.FloodFill(15, 35);  // already black: nothing to mark
  EXPECT_TRUE(canvas.TakeChanged().Empty());
}

}  // namespace
}  // namespace veldamo::picture
