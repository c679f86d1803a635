// Long play: random presses all over and around the view, with random starts
// at both levels in between, through the picture loaded from the real asset,
// the hit test and the game. At intervals the picture is checked pixel by
// pixel and the board against a model of the rules; memory must stay flat.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "board_model.h"
#include "picture/bmp.h"
#include "picture/canvas_painter.h"
#include "picture/hit.h"
#include "picture_model.h"
#include "puzzle/game.h"
#include "puzzle/system.h"
#include "puzzle/texts.h"

namespace veldamo::soak {
namespace {

constexpr long kDefaultPresses = 1'000'000;
constexpr long kCheckEvery = 10'000;
constexpr std::int32_t kStartOdds = 2'000;  // one start in this many presses
// Presses land up to this far outside the view on every side.
constexpr int kMargin = 10;
// Peak memory may grow this much after the warm-up (none is expected; the
// test itself allocates nothing per press, so that under AddressSanitizer
// its quarantine does not grow either).
constexpr long kRssGrowthLimitKb = 4 * 1024;

long EnvOr(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0' ? std::strtol(v, nullptr, 10) : fallback;
}

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The game's port with a seeded random source; it keeps the draws since
// they were last cleared so that a scramble can be replayed on the model.
class SeededPort final : public GamePort {
 public:
  explicit SeededPort(std::uint64_t seed) : random_(seed) {}

  void SetLevelText(std::string_view text) override { level_text.assign(text); }
  void SetStatusText(std::string_view text) override {
    status_text.assign(text);
    ++status_changes;
  }
  std::uint32_t TickCount() override { return tick; }
  std::int32_t Random(std::int32_t n) override {
    const std::int32_t v = random_.Below(n);
    draws.push_back(v);
    return v;
  }
  void Beep() override { ++beeps; }
  std::string DecimalSeparator() override { return "."; }

  std::vector<std::int32_t> draws;
  std::uint32_t tick = 0;
  std::string level_text;
  std::string status_text;
  long status_changes = 0;
  long beeps = 0;

 private:
  Random32 random_;
};

// The status text a judged press must show, or "" for the win text.
std::string_view StatusFor(std::int32_t judge) {
  switch (judge) {
    case 1: return {};
    case 2: return texts::kAllBlack;
    case 3: return texts::kAllWhite;
    default: return texts::kMixed;
  }
}

struct Counts {
  long outside = 0;     // presses off the view
  long no_part = 0;     // presses on the view that hit no part
  long judged = 0;      // presses on a part during a game
  long wins = 0;
  long remarks = 0;     // all black or all white
  long starts[2] = {};  // beginner, advanced
  long checks = 0;
};

TEST(Soak, RandomPressesAndStartsKeepPictureAndBoardRight) {
  const long presses = EnvOr("VELDAMO_SOAK_PRESSES", kDefaultPresses);
  const auto seed = static_cast<std::uint64_t>(EnvOr("VELDAMO_SOAK_SEED", std::random_device{}()));
  std::cout << "soak: " << presses << " presses, seed " << seed
            << " (repeat with VELDAMO_SOAK_SEED=" << seed << ")\n";

  const auto loaded = picture::LoadBmp(ReadFile(VELDAMO_RESOURCES_DIR "/panda.bmp"));
  ASSERT_TRUE(loaded) << loaded.error;
  const PictureModel model(*loaded.value);
  for (std::int32_t cell = 1; cell <= kCells; ++cell) {
    ASSERT_GT(model.RegionPixels(cell), 0U) << "part " << cell;
  }

  // Start-up as the window does it.
  picture::Canvas canvas(*loaded.value);
  long refreshes = 0;
  picture::CanvasPainter painter(canvas, [&refreshes](picture::DirtyRect) { ++refreshes; });
  GameState state;
  PandaInit(state, painter);
  picture::PaintHitMap(canvas, state);
  const picture::Surface baseline = canvas.surface();
  BoardModel board;
  board.Restore(kBeginner);
  long clicks = 0;  // every click refreshes once

  SeededPort port(seed);
  Random32 where(seed ^ 0x5EED5EEDULL);
  Counts counts;
  long rss_warm_kb = 0;
  const auto began = std::chrono::steady_clock::now();

  for (long i = 1; i <= presses; ++i) {
    if (where.Below(kStartOdds) == 0) {
      const std::int32_t tag = where.Below(2) + 1;
      port.draws.clear();
      StartGame(state, painter, port, tag);
      board.Restore(tag == 1 ? kBeginner : kAdvanced);
      ASSERT_FALSE(port.draws.empty());
      const auto scramble = static_cast<std::size_t>(port.draws.front()) + 8;
      ASSERT_EQ(port.draws.size(), scramble + 1) << "one draw for the count, one per click";
      for (std::size_t k = 1; k <= scramble; ++k) board.Click(port.draws[k] + 1);
      clicks += static_cast<long>(scramble);
      ++counts.starts[tag - 1];
    }

    const int x = where.Below(picture::kViewWidth + 2 * kMargin) - kMargin;
    const int y = where.Below(picture::kHeight + 2 * kMargin) - kMargin;
    const std::int32_t n = picture::HitTest(canvas, x, y);
    if (n != model.HitAt(x, y)) {
      FAIL() << "press " << i << " at (" << x << ", " << y << ") hit " << n << ", expected "
             << model.HitAt(x, y);
    }
    const bool off_view = x < 0 || x >= picture::kViewWidth || y < 0 || y >= picture::kHeight;
    counts.outside += off_view ? 1 : 0;
    counts.no_part += !off_view && n == 0 ? 1 : 0;

    const bool running = state.GameRunning;
    const long beeps = port.beeps;
    const long status_changes = port.status_changes;
    port.tick += static_cast<std::uint32_t>(where.Below(3000));
    PressCell(state, painter, port, n);
    ASSERT_EQ(state.ClickedCell, n);
    if (n != 0) {
      board.Click(n);
      ++clicks;
    }

    if (n != 0 && running) {
      ++counts.judged;
      const std::int32_t judge = board.Judge();
      const std::string_view want = StatusFor(judge);
      if (judge == 1) {
        ++counts.wins;
        ASSERT_EQ(port.status_text.rfind(texts::kWinHead, 0), 0U) << port.status_text;
        ASSERT_FALSE(state.GameRunning) << "a restored picture ends the game";
      } else {
        ASSERT_EQ(port.status_text, want) << "press " << i << ", judge " << judge;
        ASSERT_TRUE(state.GameRunning);
      }
      counts.remarks += judge == 2 || judge == 3 ? 1 : 0;
      ASSERT_EQ(port.beeps - beeps, judge == 0 ? 0 : 1) << "press " << i << ", judge " << judge;
    } else {
      ASSERT_EQ(port.status_changes, status_changes)
          << "press " << i << ": nothing judged, nothing shown";
      ASSERT_EQ(port.beeps, beeps);
    }

    if (i % kCheckEvery == 0 || i == presses) {
      ++counts.checks;
      ASSERT_EQ(state.CellState.v, board.shades()) << "after press " << i;
      ASSERT_EQ(JudgeBoard(state), board.Judge()) << "after press " << i;
      ASSERT_EQ(model.Mismatch(canvas.surface(), baseline, board.shades()), "")
          << "after press " << i;
      ASSERT_EQ(refreshes, clicks) << "one refresh per click";
    }
    if (i == presses / 10) rss_warm_kb = PeakRssKb();
  }

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  const long rss_end_kb = PeakRssKb();
  std::cout << "soak: " << presses << " presses in " << seconds << " s (" << counts.outside
            << " off the view, " << counts.no_part << " on no part, " << counts.judged
            << " judged), starts " << counts.starts[0] << " beginner / " << counts.starts[1]
            << " advanced, " << counts.wins << " wins, " << counts.remarks << " remarks, "
            << counts.checks << " full checks\n"
            << "soak: peak RSS " << rss_warm_kb << " KiB after the warm-up, " << rss_end_kb
            << " KiB at the end\n";
  if (presses >= 10) {
    EXPECT_LE(rss_end_kb - rss_warm_kb, kRssGrowthLimitKb);
  }
}

}  // namespace
}  // namespace veldamo::soak
