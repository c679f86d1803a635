#include <gtest/gtest.h>

#include "puzzle/solve.h"
#include "puzzle/system.h"

namespace veldamo {
namespace {

struct NullPainter : Painter {
  void Fill(std::int32_t, std::int32_t, TColor) override {}
  void Refresh() override {}
};

Shades ShadesOf(const GameState& state) {
  Shades shades{};
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    shades[static_cast<std::size_t>(i - 1)] = state.CellState[i];
  }
  return shades;
}

TEST(ShadeOfColor, ReadsTheThreeShadesAndNothingElse) {
  EXPECT_EQ(ShadeOfColor(clBlack), kShadeBlack);
  EXPECT_EQ(ShadeOfColor(clWhite), kShadeWhite);
  EXPECT_EQ(ShadeOfColor(clSilver), kShadeSilver);
  for (TColor other : {clGray, clLime, clRed, kNoColor}) EXPECT_FALSE(ShadeOfColor(other));
}

TEST(SolvePresses, RestoresScrambledBoardsAtBothLevels) {
  Random32 rng(20261211);
  NullPainter painter;
  for (std::int32_t level : {kBeginner, kAdvanced}) {
    for (int round = 0; round < 20; ++round) {
      GameState state;
      PandaInit(state, painter);
      state.Level = level;
      for (int k = 0; k < 8 + round; ++k) ClickHere(state, painter, rng.Below(kCellCount) + 1);
      const std::vector<std::int32_t> presses = SolvePresses(ShadesOf(state), level);
      ASSERT_FALSE(presses.empty()) << "level " << level << " round " << round;
      for (std::int32_t n : presses) ClickHere(state, painter, n);
      EXPECT_EQ(JudgeBoard(state), kJudgeRestored) << "level " << level << " round " << round;
    }
  }
}

TEST(SolvePresses, RestoredBoardGetsPressesThatKeepItAndUnreachableBoardsNone) {
  GameState state;
  NullPainter painter;
  PandaInit(state, painter);
  const std::vector<std::int32_t> presses = SolvePresses(ShadesOf(state), kBeginner);
  ASSERT_FALSE(presses.empty());
  for (std::int32_t n : presses) ClickHere(state, painter, n);
  EXPECT_EQ(JudgeBoard(state), kJudgeRestored);

  EXPECT_TRUE(SolvePresses(Shades{}, kBeginner).empty());  // all black
}

}  // namespace
}  // namespace veldamo
