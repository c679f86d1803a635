// Our fill, click, scramble and hit test on the panda (or, for the fill,
// a stand-in body while the asset is missing).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

#include "picture/canvas_painter.h"
#include "picture/hit.h"
#include "puzzle/game.h"
#include "puzzle/system.h"
#include "scene.h"

namespace veldamo::bench {
namespace {

void BM_FillBody(benchmark::State& state) {
  BodyScene scene = BodyFillScene();
  state.SetLabel(scene.name);
  picture::Canvas& canvas = scene.canvas;
  std::size_t painted = 0;
  bool black = true;
  for (auto _ : state) {
    canvas.SetBrushColor(black ? clBlack : clWhite);
    painted += canvas.FloodFill(kBodyX, kBodyY);
    black = !black;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(painted));
  state.counters["px/fill"] = static_cast<double>(painted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FillBody);

// One click on a cell at beginner level: its row's fills, then the refresh.
void BM_Click(benchmark::State& state) {
  GameState game;
  auto canvas = PandaScene(game);
  if (!canvas) {
    state.SkipWithError("resources/panda.bmp is missing");
    return;
  }
  const auto cell = static_cast<std::int32_t>(state.range(0));
  picture::CanvasPainter painter(*canvas, [](picture::DirtyRect r) { benchmark::DoNotOptimize(r); });
  for (auto _ : state) ClickHere(game, painter, cell);
  state.SetLabel("cell " + std::to_string(cell));
}
BENCHMARK(BM_Click)->Arg(6)->Arg(3);

// A port that always scrambles with the most clicks, 37, drawn from a fixed
// seed, and shows nothing.
class ScramblePort final : public GamePort {
 public:
  void SetLevelText(std::string_view) override {}
  void SetStatusText(std::string_view) override {}
  std::uint32_t TickCount() override { return 0; }
  std::int32_t Random(std::int32_t n) override { return n == 30 ? 29 : random_.Below(n); }
  void Beep() override {}
  std::string DecimalSeparator() override { return "."; }

 private:
  Random32 random_{12345};
};

// A game start: the proper pattern, then 37 clicks, each with its refresh.
void BM_Scramble37(benchmark::State& state) {
  GameState game;
  auto canvas = PandaScene(game);
  if (!canvas) {
    state.SkipWithError("resources/panda.bmp is missing");
    return;
  }
  picture::CanvasPainter painter(*canvas, [](picture::DirtyRect r) { benchmark::DoNotOptimize(r); });
  ScramblePort port;
  const auto tag = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) StartGame(game, painter, port, tag);
  state.SetLabel(tag == 1 ? "beginner" : "advanced");
}
BENCHMARK(BM_Scramble37)->Arg(1)->Arg(2);

void BM_HitTest(benchmark::State& state) {
  GameState game;
  auto panda = PandaScene(game);
  const picture::Canvas canvas = panda ? std::move(*panda) : StandInBody();
  state.SetLabel(panda ? "panda" : "stand-in");
  int x = 0;
  int y = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(picture::HitTest(canvas, x, y));
    if (++x == picture::kViewWidth) {
      x = 0;
      if (++y == picture::kHeight) y = 0;
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HitTest);

}  // namespace
}  // namespace veldamo::bench
