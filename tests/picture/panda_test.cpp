// The picture asset in play: start-up, the hit test at every point of the
// view, and whole games played by pressing points.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <queue>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "picture/bmp.h"
#include "picture/canvas_painter.h"
#include "picture/hit.h"
#include "puzzle/game.h"
#include "puzzle/system.h"
#include "puzzle/texts.h"
#include "test_seed.h"

namespace veldamo::picture {
namespace {

constexpr int kNone = 0;

Surface LoadPanda() {
  const std::string path = std::string(VELDAMO_RESOURCES_DIR) + "/panda.bmp";
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << path;
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  auto loaded = LoadBmp(bytes);
  EXPECT_TRUE(loaded) << path << ": " << loaded.error;
  return loaded ? std::move(*loaded.value) : Surface{};
}

std::size_t Index(int x, int y) {
  return static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x);
}

// Cell number per pixel of one half (0 outside every area): the 4-connected
// areas of the seeds' own colours, found breadth first.
std::vector<int> AreasFromSeeds(const Surface& s, int offset) {
  std::vector<int> cell_at(static_cast<std::size_t>(kWidth) * kHeight, kNone);
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    const int sx = CellTableEntry(i).x + offset;
    const int sy = CellTableEntry(i).y;
    const TColor colour = s.Pixel(sx, sy);
    std::queue<std::pair<int, int>> todo;
    todo.emplace(sx, sy);
    cell_at[Index(sx, sy)] = i;
    while (!todo.empty()) {
      const auto [x, y] = todo.front();
      todo.pop();
      for (const auto& [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
        if (s.Pixel(nx, ny) == colour && cell_at[Index(nx, ny)] == kNone) {
          cell_at[Index(nx, ny)] = i;
          todo.emplace(nx, ny);
        }
      }
    }
  }
  return cell_at;
}

// A connected (8-neighbour) grey area of the view and the cells of the
// non-grey pixels around it (kNone for background or frame).
struct GreyArea {
  std::vector<std::pair<int, int>> pixels;
  std::set<int> touches;
};

std::vector<GreyArea> GreyAreas(const Surface& s, const std::vector<int>& region) {
  std::vector<GreyArea> areas;
  std::vector<bool> seen(static_cast<std::size_t>(kWidth) * kHeight, false);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kViewWidth; ++x) {
      if (seen[Index(x, y)] || s.Pixel(x, y) != clGray) continue;
      GreyArea area{{{x, y}}, {}};
      seen[Index(x, y)] = true;
      for (std::size_t k = 0; k < area.pixels.size(); ++k) {
        const auto [ax, ay] = area.pixels[k];
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = ax + dx;
            const int ny = ay + dy;
            if (nx < 0 || nx >= kViewWidth || ny < 0 || ny >= kHeight) continue;
            if (s.Pixel(nx, ny) != clGray) {
              area.touches.insert(region[Index(nx, ny)]);
            } else if (!seen[Index(nx, ny)]) {
              seen[Index(nx, ny)] = true;
              area.pixels.emplace_back(nx, ny);
            }
          }
        }
      }
      areas.push_back(std::move(area));
    }
  }
  return areas;
}

// What a press at each view point must give: the part whose region holds the
// point, or whose region alone encloses the grey area holding it (a mark);
// 0 anywhere else.
std::vector<int> ExpectedHits(const std::vector<int>& region, const std::vector<GreyArea>& grey) {
  std::vector<int> hit(static_cast<std::size_t>(kWidth) * kHeight, kNone);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kViewWidth; ++x) hit[Index(x, y)] = region[Index(x, y)];
  }
  for (const GreyArea& area : grey) {
    if (area.touches.size() != 1 || *area.touches.begin() == kNone) continue;
    for (const auto& [x, y] : area.pixels) hit[Index(x, y)] = *area.touches.begin();
  }
  return hit;
}

// The game's outside world, scripted: a seeded random source that records
// the scramble, a clock the test moves, and a record of what was shown.
class ScriptedPort final : public GamePort {
 public:
  explicit ScriptedPort(std::uint32_t seed) : random_(seed) {}
  void SetLevelText(std::string_view text) override { level_text = text; }
  void SetStatusText(std::string_view text) override { status_text = text; }
  std::uint32_t TickCount() override { return now; }
  std::int32_t Random(std::int32_t n) override {
    const std::int32_t r = random_.Below(n);
    if (n == kCellCount) scramble.push_back(r + 1);
    return r;
  }
  void Beep() override { ++beeps; }
  std::string DecimalSeparator() override { return "."; }

  std::string level_text;
  std::string status_text;
  std::uint32_t now = 1000;
  int beeps = 0;
  std::vector<std::int32_t> scramble;

 private:
  Random32 random_;
};

class Panda : public testing::Test {
 protected:
  void SetUp() override {
    stored_ = LoadPanda();
    ASSERT_FALSE(HasFailure());
    region_ = AreasFromSeeds(stored_, 0);
    twin_ = AreasFromSeeds(stored_, kHitMapOffset);
    grey_ = GreyAreas(stored_, region_);
    expected_hit_ = ExpectedHits(region_, grey_);
    canvas_ = Canvas(stored_);
    PandaInit(state_, painter_);
    PaintHitMap(canvas_, state_);
    canvas_.TakeChanged();
    started_ = canvas_.surface();
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kViewWidth; ++x) {
        if (const int cell = expected_hit_[Index(x, y)]; cell != kNone) {
          press_points_[static_cast<std::size_t>(cell)].emplace_back(x, y);
        }
      }
    }
  }

  // Every part shows its shade over its whole region; every other pixel,
  // the hit map included, is as start-up left it.
  void ExpectPictureMatchesShades() {
    const auto pixels = canvas_.surface().Pixels();
    const auto start = started_.Pixels();
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const int cell = x < kViewWidth ? region_[Index(x, y)] : kNone;
        const TColor want =
            cell != kNone ? ShadeColor(state_.CellState[cell]) : start[Index(x, y)];
        if (pixels[Index(x, y)] != want) {
          FAIL() << "pixel " << x << "," << y << " (cell " << cell << ") is " << std::hex
                 << pixels[Index(x, y)] << ", expected " << want;
        }
      }
    }
  }

  // A random point of the view that a press on cell n must hit: in its
  // region or one of its marks.
  std::pair<int, int> PointOn(std::int32_t n, std::mt19937& rng) {
    const auto& points = press_points_[static_cast<std::size_t>(n)];
    return points[std::uniform_int_distribution<std::size_t>(0, points.size() - 1)(rng)];
  }

  void Press(ScriptedPort& port, int x, int y) {
    PressCell(state_, painter_, port, HitTest(canvas_, x, y));
  }

  Surface stored_;
  std::vector<int> region_;
  std::vector<int> twin_;
  std::vector<GreyArea> grey_;
  std::vector<int> expected_hit_;
  std::array<std::vector<std::pair<int, int>>, kCellCount + 1> press_points_;
  Canvas canvas_;
  GameState state_;
  std::vector<DirtyRect> refreshes_;
  CanvasPainter painter_{canvas_, [this](DirtyRect r) { refreshes_.push_back(r); }};
  Surface started_;
};

TEST_F(Panda, StartUpPaintsOnlyTheHitMap) {
  // The stored picture already shows the proper pattern, and the twin areas
  // are red until start-up gives each its hit colour.
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    const int x = state_.CellX[i];
    const int y = state_.CellY[i];
    SCOPED_TRACE("cell " + std::to_string(i));
    EXPECT_EQ(stored_.Pixel(x, y), ShadeColor(CellTableEntry(i).initial_shade));
    EXPECT_EQ(stored_.Pixel(x + kHitMapOffset, y), clRed);
    EXPECT_EQ(canvas_.Pixel(x + kHitMapOffset, y), state_.CellColor[i]);
    EXPECT_EQ(HitTest(canvas_, x, y), i);
  }
  EXPECT_EQ(canvas_.Pixel(state_.CellX[8] + kHitMapOffset, state_.CellY[8]), clRed);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const TColor now = started_.Pixel(x, y);
      if (x < kViewWidth) {
        ASSERT_EQ(now, stored_.Pixel(x, y)) << x << "," << y;
        continue;
      }
      // Each hit colour covers exactly its twin area; the rest stays white.
      const int twin = twin_[Index(x, y)];
      ASSERT_EQ(now, twin != kNone ? state_.CellColor[twin] : clWhite) << x << "," << y;
    }
  }
}

TEST_F(Panda, EveryViewPointHitsItsPartOrItsMarkOrNothing) {
  std::array<int, kCellCount + 1> hits{};
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kViewWidth; ++x) {
      const int got = HitTest(canvas_, x, y);
      ASSERT_EQ(got, expected_hit_[Index(x, y)]) << "press at " << x << "," << y;
      ++hits[static_cast<std::size_t>(got)];
    }
  }
  for (std::int32_t i = 1; i <= kCellCount; ++i) EXPECT_GT(hits[static_cast<std::size_t>(i)], 0);
}

TEST_F(Panda, MarksHitTheirPartAndOutlinesHitNothing) {
  // Grey areas by what they touch: a mark touches one part only, a ring the
  // head and its eye patch, the outline network the background too.
  std::map<std::set<int>, int> pixels_by_touch;
  for (const GreyArea& area : grey_) {
    const std::int32_t want =
        area.touches.size() == 1 && *area.touches.begin() != kNone ? *area.touches.begin() : 0;
    for (const auto& [x, y] : area.pixels) {
      ASSERT_EQ(HitTest(canvas_, x, y), want) << "grey at " << x << "," << y;
    }
    pixels_by_touch[area.touches] += static_cast<int>(area.pixels.size());
  }
  EXPECT_GT((pixels_by_touch[{4}]), 0) << "left eye mark";
  EXPECT_GT((pixels_by_touch[{5}]), 0) << "right eye mark";
  EXPECT_GT((pixels_by_touch[{3}]), 0) << "nose and mouth";
  EXPECT_GT((pixels_by_touch[{3, 4}]), 0) << "left ring";
  EXPECT_GT((pixels_by_touch[{3, 5}]), 0) << "right ring";
  for (const auto& [touches, count] : pixels_by_touch) {
    std::string names;
    for (int cell : touches) names += std::to_string(cell) + " ";
    std::cout << "grey touching { " << names << "}: " << count << " pixels\n";
  }
}

TEST_F(Panda, BackgroundPocketAndEdgesHitNothing) {
  // The view's lime is cell 9's hit colour and its black cell 1's, yet a
  // press there reads the hit map.
  int black_part_points = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kViewWidth; ++x) {
      const TColor c = stored_.Pixel(x, y);
      if (c == clLime) {
        ASSERT_EQ(HitTest(canvas_, x, y), 0) << x << "," << y;
      }
      if (c == clBlack && region_[Index(x, y)] != kNone) {
        ++black_part_points;
        ASSERT_EQ(HitTest(canvas_, x, y), region_[Index(x, y)]) << x << "," << y;
      }
    }
  }
  EXPECT_GT(black_part_points, 0);
  for (int x = 0; x < kViewWidth; ++x) {
    EXPECT_EQ(HitTest(canvas_, x, 0), 0);
    EXPECT_EQ(HitTest(canvas_, x, kHeight - 1), 0);
  }
  for (int y = 0; y < kHeight; ++y) {
    EXPECT_EQ(HitTest(canvas_, 0, y), 0);
    EXPECT_EQ(HitTest(canvas_, kViewWidth - 1, y), 0);
  }

  // The pocket: lime that the background reaching the frame does not reach.
  std::vector<bool> open(static_cast<std::size_t>(kWidth) * kHeight, false);
  std::queue<std::pair<int, int>> todo;
  todo.emplace(1, 1);
  open[Index(1, 1)] = true;
  while (!todo.empty()) {
    const auto [x, y] = todo.front();
    todo.pop();
    for (const auto& [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
      if (nx < kViewWidth && stored_.Pixel(nx, ny) == clLime && !open[Index(nx, ny)]) {
        open[Index(nx, ny)] = true;
        todo.emplace(nx, ny);
      }
    }
  }
  int pocket = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kViewWidth; ++x) {
      if (stored_.Pixel(x, y) == clLime && !open[Index(x, y)]) {
        ++pocket;
        EXPECT_EQ(HitTest(canvas_, x, y), 0);
      }
    }
  }
  EXPECT_GT(pocket, 0) << "no enclosed pocket of background";
}

// Many presses at random points, at both levels: each click repaints whole
// parts and nothing else, silver included.
TEST_F(Panda, LongRandomPlayKeepsEveryPartWhole) {
  const std::uint32_t seed = testing_support::TestSeed("random play");
  std::mt19937 rng(seed);
  ScriptedPort port(seed);
  std::uniform_int_distribution<int> xs(0, kViewWidth - 1);
  std::uniform_int_distribution<int> ys(0, kHeight - 1);
  std::uniform_int_distribution<std::int32_t> cells(1, kCellCount);
  bool saw_silver = false;
  for (std::int32_t tag : {1, 2, 1, 2}) {
    SCOPED_TRACE("start button " + std::to_string(tag));
    StartGame(state_, painter_, port, tag);
    ASSERT_NO_FATAL_FAILURE(ExpectPictureMatchesShades());
    for (int press = 0; press < 300; ++press) {
      // Half the presses anywhere, half on a chosen part.
      const auto [x, y] = press % 2 == 0 ? std::pair{xs(rng), ys(rng)} : PointOn(cells(rng), rng);
      Press(port, x, y);
      ASSERT_EQ(state_.ClickedCell, expected_hit_[Index(x, y)]);
      ASSERT_NO_FATAL_FAILURE(ExpectPictureMatchesShades()) << "after press " << press;
      for (std::int32_t i = 1; i <= kCellCount; ++i) {
        if (state_.CellState[i] == kShadeSilver) {
          saw_silver = true;
          ASSERT_EQ(canvas_.Pixel(state_.CellX[i], state_.CellY[i]), 0xC0C0C0U);
        }
      }
    }
  }
  EXPECT_TRUE(saw_silver);
}

// A whole game: start, then undo the scramble by pressing points on the
// parts, marks included, and win.
TEST_F(Panda, GameIsWonByPressingPoints) {
  const std::uint32_t seed = testing_support::TestSeed("won game");
  std::mt19937 rng(seed);
  for (std::int32_t tag : {1, 2}) {
    SCOPED_TRACE("start button " + std::to_string(tag));
    ScriptedPort port(seed + static_cast<std::uint32_t>(tag));
    StartGame(state_, painter_, port, tag);
    ASSERT_TRUE(state_.GameRunning);
    const std::int32_t shades = state_.Level + 2;
    std::array<std::int32_t, kCellCount + 1> clicks{};
    for (std::int32_t n : port.scramble) ++clicks[static_cast<std::size_t>(n)];
    std::vector<std::int32_t> undo;
    for (std::int32_t n = 1; n <= kCellCount; ++n) {
      const std::int32_t more = (shades - clicks[static_cast<std::size_t>(n)] % shades) % shades;
      undo.insert(undo.end(), static_cast<std::size_t>(more), n);
    }
    std::shuffle(undo.begin(), undo.end(), rng);
    if (undo.empty()) continue;  // the scramble undid itself
    port.now += 12345;
    refreshes_.clear();
    for (std::int32_t n : undo) {
      const auto [x, y] = PointOn(n, rng);
      Press(port, x, y);
      ASSERT_EQ(state_.ClickedCell, n);
    }
    EXPECT_EQ(refreshes_.size(), undo.size());
    EXPECT_FALSE(state_.GameRunning);
    EXPECT_EQ(port.status_text, texts::WinText("12.3"));
    EXPECT_GE(port.beeps, 1);
    EXPECT_TRUE(canvas_.surface() == started_);
  }
}

}  // namespace
}  // namespace veldamo::picture
