// Repeats a fill or a click a fixed number of times and prints how many
// pixels were painted, for instruction counts under
//   valgrind --tool=callgrind --toggle-collect='veldamo::picture::Canvas::FloodFill*'
// (divide the instructions by the pixels).
//   fill_count [body | click6 | click3] [repeats]
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "picture/hit.h"
#include "scene.h"

namespace {

// Counts what the board's fills paint.
class CountingPainter final : public veldamo::Painter {
 public:
  explicit CountingPainter(veldamo::picture::Canvas& canvas) : canvas_(canvas) {}
  void Fill(std::int32_t x, std::int32_t y, veldamo::TColor colour) override {
    canvas_.SetBrushColor(colour);
    painted += canvas_.FloodFill(x, y);
    ++fills;
  }
  void Refresh() override { canvas_.TakeChanged(); }

  std::size_t painted = 0;
  std::size_t fills = 0;

 private:
  veldamo::picture::Canvas& canvas_;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc > 1 ? argv[1] : "body";
  const long repeats = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000;
  if (mode == "body") {
    veldamo::bench::BodyScene scene = veldamo::bench::BodyFillScene();
    std::size_t painted = 0;
    for (long i = 0; i < repeats; ++i) {
      scene.canvas.SetBrushColor(i % 2 == 0 ? veldamo::clBlack : veldamo::clWhite);
      painted += scene.canvas.FloodFill(veldamo::bench::kBodyX, veldamo::bench::kBodyY);
    }
    std::printf("%s: %ld fills, %zu pixels painted, %.1f per fill\n", scene.name.c_str(),
                repeats, painted, static_cast<double>(painted) / static_cast<double>(repeats));
    return 0;
  }
  if (mode == "click6" || mode == "click3") {
    veldamo::GameState state;
    auto canvas = veldamo::bench::PandaScene(state);
    if (!canvas) {
      std::fprintf(stderr, "fill_count: resources/panda.bmp is missing\n");
      return 1;
    }
    CountingPainter painter(*canvas);
    const std::int32_t cell = mode == "click6" ? 6 : 3;
    for (long i = 0; i < repeats; ++i) veldamo::ClickHere(state, painter, cell);
    std::printf("%ld clicks on cell %d: %zu fills, %zu pixels painted, %.1f per click\n", repeats,
                cell, painter.fills, painter.painted,
                static_cast<double>(painter.painted) / static_cast<double>(repeats));
    return 0;
  }
  std::fprintf(stderr, "usage: fill_count [body | click6 | click3] [repeats]\n");
  return 2;
}
