#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "fakes.h"
#include "puzzle/game.h"
#include "puzzle/texts.h"

namespace veldamo {
namespace {

using testing::EventLog;
using testing::RecordingPainter;
using testing::ScriptedPort;

// The game as start-up leaves it: proper pattern, beginner, no game running.
struct Game {
  GameState state;
  EventLog log;
  RecordingPainter painter{log};
  ScriptedPort port{log};

  Game() {
    PandaInit(state, painter);
    log.clear();
  }
  // Starts with a scramble of exactly these cells (8..37 of them).
  void Start(std::int32_t tag, const std::vector<std::int32_t>& cells) {
    port.draws.push_back(static_cast<std::int32_t>(cells.size()) - 8);
    for (std::int32_t c : cells) port.draws.push_back(c - 1);
    StartGame(state, painter, port, tag);
  }
  void Press(std::int32_t n) { PressCell(state, painter, port, n); }
  // The log without paint events.
  EventLog Messages() const {
    EventLog out;
    std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                 [](const std::string& e) { return e[0] != 'F' && e != "R"; });
    return out;
  }
};

const std::string kRestorePlease(texts::kRestorePlease);
const std::string kMixed(texts::kMixed);
const std::string kAllBlack(texts::kAllBlack);
const std::string kAllWhite(texts::kAllWhite);

// Scrambles (beginner unless noted) with a known outcome.
const std::vector<std::int32_t> kOneOffHead = {1, 1, 2, 2, 4, 4, 5, 5, 3};  // needs one click on 3
const std::vector<std::int32_t> kIdentity = {6, 7, 8, 9, 10, 11, 3, 3};  // ends restored
// Advanced: one click on 11 short of all black / all white.
const std::vector<std::int32_t> kNearBlack = {3, 1, 1, 2, 2, 4, 4, 5, 5, 7, 7, 11};
const std::vector<std::int32_t> kNearWhite = {6, 7, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 11};

struct EventCase {
  const char* name;
  std::function<void(Game&)> before;  // brings the game into the row's state
  std::function<void(Game&)> event;
  EventLog messages;  // texts, beeps and draws of the event, in order
  bool running_after;
  std::int32_t clicked_after;
};

void PrintTo(const EventCase& c, std::ostream* os) { *os << c.name; }

class GameEvents : public ::testing::TestWithParam<EventCase> {};

TEST_P(GameEvents, MessagesAndNextState) {
  const EventCase& c = GetParam();
  Game game;
  c.before(game);
  game.log.clear();
  c.event(game);
  EXPECT_EQ(game.Messages(), c.messages);
  EXPECT_EQ(game.state.GameRunning, c.running_after);
  EXPECT_EQ(game.state.ClickedCell, c.clicked_after);
  if (!c.running_after) {
    EXPECT_EQ(game.state.StartTime, 0U);
  }
}

auto Nothing = [](Game&) {};
auto StartBeginner = [](Game& g) { g.Start(1, kOneOffHead); };
auto Press = [](std::int32_t n) { return [n](Game& g) { g.Press(n); }; };

EventLog StartMessages(const std::string& level, std::size_t clicks) {
  EventLog m{"L:" + level, "S:" + kRestorePlease, "rand30"};
  m.insert(m.end(), clicks, "rand11");
  return m;
}

INSTANTIATE_TEST_SUITE_P(
    Game, GameEvents,
    ::testing::Values(
        EventCase{"NoGamePressOnPartOnlyPaints", Nothing, Press(3), {}, false, 3},
        EventCase{"NoGamePressOnNoPart", Nothing, Press(0), {}, false, 0},
        EventCase{"NoGameStartBeginner", Nothing, StartBeginner,
                  StartMessages(std::string(texts::kLevelBeginner), 9), true, 0},
        EventCase{"NoGameStartAdvancedByTagTwo", Nothing,
                  [](Game& g) { g.Start(2, kNearBlack); },
                  StartMessages(std::string(texts::kLevelAdvanced), 12), true, 0},
        EventCase{"AnyOtherTagIsAdvanced", Nothing, [](Game& g) { g.Start(0, kIdentity); },
                  StartMessages(std::string(texts::kLevelAdvanced), 8), true, 0},
        EventCase{"RunningPressMixedIsSilent", StartBeginner, Press(1), {"S:" + kMixed}, true, 1},
        EventCase{"RunningPressRestoresBeepsThenWins", StartBeginner, Press(3),
                  {"beep", "S:" + texts::WinText("0.0")}, false, 3},
        EventCase{"RunningAllBlackBeepsAndGoesOn", [](Game& g) { g.Start(2, kNearBlack); },
                  Press(11), {"beep", "S:" + kAllBlack}, true, 11},
        EventCase{"RunningAllWhiteBeepsAndGoesOn", [](Game& g) { g.Start(2, kNearWhite); },
                  Press(11), {"beep", "S:" + kAllWhite}, true, 11},
        EventCase{"RunningPressOnNoPartChangesNothing", StartBeginner, Press(0), {}, true, 0},
        EventCase{"RunningStartDropsTheGame", StartBeginner,
                  [](Game& g) { g.Start(2, kIdentity); },
                  StartMessages(std::string(texts::kLevelAdvanced), 8), true, 0},
        EventCase{"AfterWinPressOnlyPaints",
                  [](Game& g) {
                    g.Start(1, kOneOffHead);
                    g.Press(3);
                  },
                  Press(3), {}, false, 3},
        EventCase{"ScrambleEndingRestoredCannotWinOnFirstPress",
                  [](Game& g) { g.Start(1, kIdentity); }, Press(9), {"S:" + kMixed}, true, 9}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(Game, StartPaintsTheProperPatternThenScramblesInDrawOrder) {
  Game game;
  game.Start(2, kNearBlack);
  game.Press(6);  // leave silver parts behind
  game.log.clear();
  game.Start(1, {8, 8, 8, 8, 8, 8, 8, 8});
  // PandaInit repaints every cell black or white before the first click.
  const EventLog init = {"F1b", "F2b", "F3w", "F4b", "F5b", "F6w", "F7b", "F8b", "F9b", "F10b",
                         "F11w"};
  ASSERT_GE(game.log.size(), 14U);
  EXPECT_EQ(EventLog(game.log.begin() + 2, game.log.begin() + 13), init);
  EXPECT_EQ(game.log[13], "rand30");
  // Eight clicks on cell 8 at beginner level: back to the proper pattern.
  EXPECT_EQ(std::count(game.log.begin(), game.log.end(), "R"), 8);
  EXPECT_EQ(std::count(game.log.begin(), game.log.end(), "F8w"), 4);
  EXPECT_EQ(JudgeBoard(game.state), kJudgeRestored);
  EXPECT_EQ(game.state.Level, kBeginner);
}

TEST(Game, ScrambleLengthRunsFrom8To37) {
  for (std::int32_t r : {0, 29}) {
    Game game;
    game.port.draws = {r};
    StartGame(game.state, game.painter, game.port, 1);
    EXPECT_EQ(std::count(game.log.begin(), game.log.end(), "rand11"), r + 8);
    EXPECT_EQ(std::count(game.log.begin(), game.log.end(), "R"), r + 8);
  }
}

TEST(Game, StopwatchStartsAfterTheScrambleAndMeasuresTheWin) {
  struct TimeCase {
    std::uint32_t start, end;
    const char* separator;
    std::string shown;
  };
  const TimeCase cases[] = {
      {1000, 13345, ".", "12.3"},
      {0, 12345, ".", "12.3"},  // a scramble that ends when the counter reads 0
      {0xFFFFF000U, 0x00000FA0U, ".", "8.1"},  // the counter wraps during the game
      {5, 50055, ",", "50,1"},
  };
  for (const TimeCase& c : cases) {
    Game game;
    game.port.tick = c.start;
    game.port.separator = c.separator;
    game.Start(1, kOneOffHead);
    EXPECT_TRUE(game.state.GameRunning);
    EXPECT_EQ(game.state.StartTime, c.start);
    game.port.tick = c.end;
    game.Press(3);
    EXPECT_EQ(game.port.status_text, texts::WinText(c.shown)) << c.start << " " << c.end;
    EXPECT_FALSE(game.state.GameRunning);
  }
}

TEST(TimeText, RoundsHalvesUpToOneDecimal) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0, "0.0"},        {49, "0.0"},        {50, "0.1"},        {12250, "12.3"},
      {12345, "12.3"},   {12350, "12.4"},    {99950, "100.0"},   {4294967295U, "4294967.3"},
  };
  for (const auto& [ms, shown] : cases) EXPECT_EQ(TimeText(ms, "."), shown) << ms;
  EXPECT_EQ(TimeText(12345, ""), "12.3");  // no separator from the locale: full stop
}

TEST(Texts, AreExactlyTheGamesOwn) {
  EXPECT_EQ(texts::kLevelBeginner, "\u96E3\u6613\u5EA6\uFF1A\u521D\u7D1A");
  EXPECT_EQ(texts::kLevelAdvanced, "\u96E3\u6613\u5EA6\uFF1A\u4E0A\u7D1A");
  EXPECT_EQ(texts::kGreeting,
            "\u9670\u6975\u307E\u308C\u3070\u967D\u306B\u8EE2\u3058\n"
            " \u967D\u6975\u307E\u308C\u3070\u9670\u306B\u8EE2\u305A\n"
            "  \u9670\u967D\u548C\u3057\u3066\u5927\u6975\u306B\u81F3\u308B");
  EXPECT_EQ(texts::kRestorePlease,
            "\u3053\u306E\u30D1\u30F3\u30C0\u3092\n\u5143\u306B\u623B\u3057\u3066\u304F\u3060"
            "\u3055\u3044");
  EXPECT_EQ(texts::kMixed,
            "\u9670\u967D\u306E\u6C17\u304C\u4E71\u308C\u3066\u3044\u308B\n\u3053\u306E\u307E"
            "\u307E\u3067\u306F\u30D1\u30F3\u30C0\u304C\n\u6B7B\u3093\u3067\u3057\u307E\u3046");
  EXPECT_EQ(texts::kAllBlack,
            "\u3053\u308C\u3058\u3083\u3001\u305F\u3060\u306E\u30AF\u30DE\u3060\u3088");
  EXPECT_EQ(texts::kAllWhite,
            "\u767D\u3044\u30D1\u30F3\u30C0\u306B\u3057\u3066\n\u5168\u90E8\u306A\u3089\u3079"
            "\u308B\u3064\u3082\u308A\uFF1F");
  EXPECT_EQ(texts::WinText("12.3"),
            "\u304A\u3081\u3067\u3068\u3046\u3054\u3056\u3044\u307E\u3059\uFF01\n\u30D1\u30F3"
            "\u30C0\u306F\u5143\u306B\u623B\u308A\u307E\u3057\u305F\n\u6240\u8981\u6642\u9593"
            "[ 12.3 \u79D2]");
}

}  // namespace
}  // namespace veldamo
