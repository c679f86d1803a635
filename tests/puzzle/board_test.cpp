#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "fakes.h"
#include "puzzle/board.h"

namespace veldamo {
namespace {

using testing::EventLog;
using testing::RecordingPainter;
using testing::Shades;

constexpr std::int32_t b = kShadeBlack;
constexpr std::int32_t w = kShadeWhite;
constexpr std::int32_t s = kShadeSilver;
const std::vector<std::int32_t> kProper = {b, b, w, b, b, w, b, b, b, b, w};

struct NullPainter : Painter {
  void Fill(std::int32_t, std::int32_t, TColor) override {}
  void Refresh() override {}
};

GameState FreshBoard(std::int32_t level) {
  GameState state;
  NullPainter painter;
  PandaInit(state, painter);
  state.Level = level;
  return state;
}

TEST(CellTable, PandaInitLoadsTheTableAndPaintsTheProperPattern) {
  GameState state;
  EventLog log;
  RecordingPainter painter(log);
  PandaInit(state, painter);

  const std::int32_t x[] = {50, 140, 100, 85, 120, 100, 45, 170, 60, 110, 163};
  const std::int32_t y[] = {30, 30, 50, 65, 80, 170, 125, 100, 250, 260, 213};
  const TColor hit[] = {clBlack, clMaroon, clGreen, clOlive,  clNavy,   clPurple,
                        clTeal,  clRed,    clLime,  clBlue,   clFuchsia};
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    EXPECT_EQ(state.CellX[i], x[i - 1]) << "cell " << i;
    EXPECT_EQ(state.CellY[i], y[i - 1]) << "cell " << i;
    EXPECT_EQ(state.CellColor[i], hit[i - 1]) << "cell " << i;
  }
  EXPECT_EQ(Shades(state), kProper);
  // Painted in cell order, never silver, and no refresh.
  EXPECT_EQ(log, (EventLog{"F1b", "F2b", "F3w", "F4b", "F5b", "F6w", "F7b", "F8b", "F9b",
                           "F10b", "F11w"}));
  EXPECT_EQ(JudgeBoard(state), kJudgeRestored);
}

TEST(CellTable, HitColoursAreDistinct) {
  std::set<TColor> colours;
  for (std::int32_t i = 1; i <= kCellCount; ++i) colours.insert(CellTableEntry(i).hit_color);
  EXPECT_EQ(colours.size(), 11U);
}

TEST(NeighbourTable, RowsStartWithTheCellNameNoCellTwiceAndAreSymmetric) {
  for (std::int32_t a = 1; a <= kCellCount; ++a) {
    const auto row = NeighbourRow(a);
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(row.front(), a);
    std::set<std::int32_t> unique(row.begin(), row.end());
    EXPECT_EQ(unique.size(), row.size()) << "row " << a;
    for (std::int32_t n : row) {
      const auto back = NeighbourRow(n);
      EXPECT_NE(std::find(back.begin(), back.end(), a), back.end()) << a << " and " << n;
    }
  }
  for (std::int32_t n : {-1, 0, 12}) EXPECT_TRUE(NeighbourRow(n).empty()) << n;
}

struct ClickCase {
  const char* name;
  std::int32_t level;
  std::vector<std::int32_t> clicks;
  std::vector<std::int32_t> shades;
  std::int32_t judge;
  EventLog events;  // checked when not empty
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class ClickScenario : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickScenario, ShadesJudgeAndPaintOrder) {
  const ClickCase& c = GetParam();
  GameState state = FreshBoard(c.level);
  EventLog log;
  RecordingPainter painter(log);
  for (std::int32_t n : c.clicks) ClickHere(state, painter, n);

  EXPECT_EQ(Shades(state), c.shades);
  EXPECT_EQ(JudgeBoard(state), c.judge);
  if (!c.events.empty()) {
    EXPECT_EQ(log, c.events);
  }
  // Exactly one refresh per click, each after that click's fills.
  EXPECT_EQ(std::count(log.begin(), log.end(), "R"),
            static_cast<std::ptrdiff_t>(c.clicks.size()));
  if (!log.empty()) {
    EXPECT_EQ(log.back(), "R");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Board, ClickScenario,
    ::testing::Values(
        ClickCase{"BeginnerHead", kBeginner, {3},
                  {w, w, b, w, w, b, w, b, b, b, w}, kJudgeMixed,
                  {"F3b", "F1w", "F2w", "F4w", "F5w", "F6b", "F7w", "R"}},
        ClickCase{"AdvancedRightArm", kAdvanced, {8},
                  {b, b, w, b, b, s, b, w, b, b, w}, kJudgeMixed,
                  {"F8w", "F6s", "R"}},
        ClickCase{"AdvancedBodyTwice", kAdvanced, {6, 6},
                  {b, b, b, b, b, b, s, s, s, s, b}, kJudgeMixed,
                  {"F6s", "F3s", "F7w", "F8w", "F9w", "F10w", "F11s", "R",
                   "F6b", "F3b", "F7s", "F8s", "F9s", "F10s", "F11b", "R"}},
        ClickCase{"AdvancedAllBlack", kAdvanced, {3, 1, 1, 2, 2, 4, 4, 5, 5, 7, 7, 11, 11},
                  {b, b, b, b, b, b, b, b, b, b, b}, kJudgeAllBlack, {}},
        ClickCase{"AdvancedAllWhite", kAdvanced, {6, 7, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 11, 11},
                  {w, w, w, w, w, w, w, w, w, w, w}, kJudgeAllWhite, {}},
        ClickCase{"BeginnerLowerSetIsIdentity", kBeginner, {6, 7, 8, 9, 10, 11}, kProper,
                  kJudgeRestored, {}},
        ClickCase{"BeginnerUpperSetIsIdentity", kBeginner, {1, 2, 3, 4, 5, 7}, kProper,
                  kJudgeRestored, {}},
        ClickCase{"InvalidCellsOnlyRefresh", kAdvanced, {0, 12, -1, 2147483647}, kProper,
                  kJudgeRestored, {"R", "R", "R", "R"}}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(Board, LevelPlusTwoRepeatsOfAnyClickRestoreTheBoardAndFewerDoNot) {
  for (std::int32_t level : {kBeginner, kAdvanced}) {
    for (std::int32_t n = 1; n <= kCellCount; ++n) {
      GameState state = FreshBoard(level);
      NullPainter painter;
      for (std::int32_t k = 1; k <= level + 2; ++k) {
        ClickHere(state, painter, n);
        EXPECT_EQ(Shades(state) == kProper, k == level + 2)
            << "level " << level << " cell " << n << " after " << k;
      }
    }
  }
}

TEST(Board, ClicksCommute) {
  const std::vector<std::int32_t> clicks = {3, 6, 6, 1, 8, 11, 7, 2, 9, 3, 10, 4, 5, 7};
  for (std::int32_t level : {kBeginner, kAdvanced}) {
    std::vector<std::int32_t> order = clicks;
    GameState first = FreshBoard(level);
    NullPainter painter;
    for (std::int32_t n : order) ClickHere(first, painter, n);
    for (int round = 0; round < 20; ++round) {
      std::next_permutation(order.begin(), order.end());
      std::rotate(order.begin(), order.begin() + round % 5, order.end());
      GameState other = FreshBoard(level);
      for (std::int32_t n : order) ClickHere(other, painter, n);
      EXPECT_EQ(Shades(other), Shades(first)) << "level " << level << " round " << round;
    }
  }
}

TEST(Board, PandaInitAfterSilverRestoresAndKeepsTheLevel) {
  GameState state = FreshBoard(kAdvanced);
  EventLog log;
  RecordingPainter painter(log);
  ClickHere(state, painter, 6);
  ClickHere(state, painter, 6);  // cells 7..10 silver
  log.clear();
  PandaInit(state, painter);
  EXPECT_EQ(Shades(state), kProper);
  EXPECT_EQ(state.Level, kAdvanced);
  EXPECT_EQ(JudgeBoard(state), kJudgeRestored);
  EXPECT_EQ(std::count(log.begin(), log.end(), "R"), 0);
  ClickHere(state, painter, 8);
  ClickHere(state, painter, 8);
  EXPECT_EQ(state.CellState[8], kShadeSilver);  // still three shades
}

TEST(Board, JudgeChecksExactShades) {
  GameState state = FreshBoard(kAdvanced);
  state.CellState[3] = kShadeSilver;
  EXPECT_EQ(JudgeBoard(state), kJudgeMixed);
  for (std::int32_t i = 1; i <= kCellCount; ++i) state.CellState[i] = kShadeSilver;
  EXPECT_EQ(JudgeBoard(state), kJudgeMixed);
}

// Encodes the shades as a number in base Level + 2.
std::uint32_t Encode(const GameState& state) {
  const auto base = static_cast<std::uint32_t>(state.Level + 2);
  std::uint32_t code = 0;
  for (std::int32_t i = kCellCount; i >= 1; --i) {
    code = code * base + static_cast<std::uint32_t>(state.CellState[i]);
  }
  return code;
}

// Every board reachable from the proper pattern, by breadth-first search
// through the real ClickHere.
std::vector<bool> Reachable(std::int32_t level, std::uint32_t board_count) {
  std::vector<bool> seen(board_count, false);
  std::vector<GameState> frontier{FreshBoard(level)};
  seen[Encode(frontier[0])] = true;
  NullPainter painter;
  while (!frontier.empty()) {
    GameState state = frontier.back();
    frontier.pop_back();
    for (std::int32_t n = 1; n <= kCellCount; ++n) {
      GameState next = state;
      ClickHere(next, painter, n);
      const std::uint32_t code = Encode(next);
      if (!seen[code]) {
        seen[code] = true;
        frontier.push_back(next);
      }
    }
  }
  return seen;
}

TEST(Reachability, BeginnerReachesExactly512BoardsAndNeitherAllBlackNorAllWhite) {
  const std::vector<bool> seen = Reachable(kBeginner, 2048);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 512);
  EXPECT_FALSE(seen[0]);     // all black
  EXPECT_FALSE(seen[2047]);  // all white
}

TEST(Reachability, AdvancedReachesEveryBoard) {
  const std::vector<bool> seen = Reachable(kAdvanced, 177147);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 177147);
}

}  // namespace
}  // namespace veldamo
