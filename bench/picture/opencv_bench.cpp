// The same fills with cv::floodFill on the same surface, wrapped as one
// 32-bit channel, for comparison. Each benchmark first checks that both
// fills leave identical pixels.
#include <benchmark/benchmark.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include "picture/canvas_painter.h"
#include "scene.h"

namespace veldamo::bench {
namespace {

cv::Mat Wrap(picture::Canvas& canvas) {
  return cv::Mat(picture::kHeight, picture::kWidth, CV_32SC1, canvas.surface().Pixels().data());
}

// Exact-colour, 4-connected, no mask: OpenCV's plain fill.
void CvFill(cv::Mat& mat, int x, int y, TColor colour) {
  cv::floodFill(mat, cv::Point(x, y), cv::Scalar(static_cast<double>(colour)), nullptr,
                cv::Scalar(), cv::Scalar(), 4);
}

class CvPainter final : public Painter {
 public:
  explicit CvPainter(picture::Canvas& canvas) : mat_(Wrap(canvas)) {}
  void Fill(std::int32_t x, std::int32_t y, TColor colour) override { CvFill(mat_, x, y, colour); }
  void Refresh() override {}

 private:
  cv::Mat mat_;
};

void BM_OpenCvFillBody(benchmark::State& state) {
  BodyScene ours = BodyFillScene();
  BodyScene theirs = BodyFillScene();
  cv::Mat mat = Wrap(theirs.canvas);
  for (TColor c : {clBlack, clSilver, clWhite}) {
    ours.canvas.SetBrushColor(c);
    ours.canvas.FloodFill(kBodyX, kBodyY);
    CvFill(mat, kBodyX, kBodyY, c);
    if (!(ours.canvas.surface() == theirs.canvas.surface())) {
      state.SkipWithError("cv::floodFill and our fill differ");
      return;
    }
  }
  state.SetLabel(theirs.name);
  bool black = true;
  for (auto _ : state) {
    CvFill(mat, kBodyX, kBodyY, black ? clBlack : clWhite);
    black = !black;
  }
}
BENCHMARK(BM_OpenCvFillBody);

void BM_OpenCvClick(benchmark::State& state) {
  GameState ours_game;
  GameState theirs_game;
  auto ours = PandaScene(ours_game);
  auto theirs = PandaScene(theirs_game);
  if (!ours || !theirs) {
    state.SkipWithError("resources/panda.bmp is missing");
    return;
  }
  const auto cell = static_cast<std::int32_t>(state.range(0));
  picture::CanvasPainter ours_painter(*ours);
  CvPainter painter(*theirs);
  for (std::int32_t n = 1; n <= kCellCount; ++n) {
    ClickHere(ours_game, ours_painter, n);
    ClickHere(theirs_game, painter, n);
    if (!(ours->surface() == theirs->surface())) {
      state.SkipWithError("cv::floodFill and our fill differ");
      return;
    }
  }
  for (auto _ : state) ClickHere(theirs_game, painter, cell);
  state.SetLabel("cell " + std::to_string(cell));
}
BENCHMARK(BM_OpenCvClick)->Arg(6)->Arg(3);

}  // namespace
}  // namespace veldamo::bench
