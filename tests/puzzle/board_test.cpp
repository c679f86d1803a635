#include <gtest/gtest.h>

#include "puzzle/board.h"

namespace veldamo {
namespace {

struct NullPainter : Painter {
  void Fill(std::int32_t, std::int32_t, TColor) override {}
  void Refresh() override {}
};

TEST(Board, JudgesProperPatternAfterPandaInit) {
  GameState state;
  NullPainter painter;
  PandaInit(state, painter);
  EXPECT_EQ(JudgeBoard(state), kJudgeRestored);
}

}  // namespace
}  // namespace veldamo
