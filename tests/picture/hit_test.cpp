#include "picture/hit.h"

#include <gtest/gtest.h>

#include <vector>

#include "picture/canvas_painter.h"

namespace veldamo::picture {
namespace {

TEST(CellForHitColor, AgreesWithTheCellTable) {
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    EXPECT_EQ(CellForHitColor(CellTableEntry(i).hit_color), i);
  }
  // The picture's other colours, near misses and the outside read.
  for (TColor c : {clWhite, clGray, clSilver, kNoColor, TColor{0x0000FE}, TColor{0x01000000},
                   TColor{0x0100FF00}, TColor{0x808081}, TColor{0x00FFFF}}) {
    EXPECT_EQ(CellForHitColor(c), 0) << std::hex << c;
  }
}

// Left half: cell 1's colour (black) everywhere, as the visible parts are.
// Right half: white with one purple square, cell 6's hit colour.
Canvas TwoHalves() {
  Surface s;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = kHitMapOffset; x < kWidth; ++x) {
      const bool square = x >= 250 && x < 260 && y >= 20 && y < 30;
      s.SetPixel(x, y, square ? clPurple : clWhite);
    }
  }
  return Canvas(std::move(s));
}

TEST(HitTest, ReadsTheTwinInTheHitMap) {
  const Canvas canvas = TwoHalves();
  EXPECT_EQ(HitTest(canvas, 50, 20), 6);
  EXPECT_EQ(HitTest(canvas, 59, 29), 6);
  EXPECT_EQ(HitTest(canvas, 49, 20), 0);  // white beside it
  EXPECT_EQ(HitTest(canvas, 0, 0), 0);    // black in the view, white in the map
}

TEST(HitTest, PointsOffTheViewHitNothing) {
  // x = -200 would have its twin at 0, black: cell 1 if read.
  const Canvas canvas = TwoHalves();
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {-1, 0}, {-200, 25}, {-150, 25}, {200, 0}, {250, 25}, {0, -1}, {0, 300},
           {INT32_MIN, 0}, {INT32_MAX, 0}, {0, INT32_MAX}}) {
    EXPECT_EQ(HitTest(canvas, x, y), 0) << x << "," << y;
  }
}

TEST(Fill, PaintsTheAreaHoldingTheSeed) {
  Canvas canvas = TwoHalves();
  Fill(canvas, 255, 25, clSilver);
  EXPECT_EQ(canvas.Pixel(250, 20), clSilver);
  EXPECT_EQ(canvas.Pixel(249, 20), clWhite);
  EXPECT_EQ(HitTest(canvas, 55, 25), 0);
  Fill(canvas, 255, 25, clPurple);
  EXPECT_EQ(HitTest(canvas, 55, 25), 6);
}

TEST(PaintHitMap, PaintsEachTwinSeedInItsCellColour) {
  // Every twin seed on its own red island.
  Surface s;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = kHitMapOffset; x < kWidth; ++x) s.SetPixel(x, y, clWhite);
  }
  GameState state;
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    state.CellX[i] = CellTableEntry(i).x;
    state.CellY[i] = CellTableEntry(i).y;
    state.CellColor[i] = CellTableEntry(i).hit_color;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        s.SetPixel(state.CellX[i] + kHitMapOffset + dx, state.CellY[i] + dy, clRed);
      }
    }
  }
  Canvas canvas(std::move(s));
  PaintHitMap(canvas, state);
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    EXPECT_EQ(canvas.Pixel(state.CellX[i] + kHitMapOffset + 1, state.CellY[i] - 1),
              state.CellColor[i]);
    EXPECT_EQ(HitTest(canvas, state.CellX[i], state.CellY[i]), i);
  }
}

TEST(CanvasPainter, RefreshHandsOverWhatChangedAndClearsIt) {
  Canvas canvas = TwoHalves();
  std::vector<DirtyRect> shown;
  CanvasPainter painter(canvas, [&](DirtyRect r) { shown.push_back(r); });
  painter.Fill(255, 25, clLime);
  EXPECT_EQ(canvas.Pixel(250, 20), clLime);
  painter.Refresh();
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_EQ(shown[0].left, 250);
  EXPECT_EQ(shown[0].top, 20);
  EXPECT_EQ(shown[0].right, 260);
  EXPECT_EQ(shown[0].bottom, 30);
  EXPECT_TRUE(canvas.Changed().Empty());
  // A refresh with nothing pending still reaches the view, with no area.
  painter.Refresh();
  ASSERT_EQ(shown.size(), 2U);
  EXPECT_TRUE(shown[1].Empty());

  CanvasPainter headless(canvas);
  headless.Fill(255, 25, clWhite);
  headless.Refresh();
  EXPECT_TRUE(canvas.Changed().Empty());
}

}  // namespace
}  // namespace veldamo::picture
