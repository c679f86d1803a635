#include "scene.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "picture/bmp.h"
#include "picture/canvas_painter.h"
#include "picture/hit.h"

namespace veldamo::bench {

std::optional<picture::Canvas> PandaScene(GameState& state) {
  std::ifstream in(VELDAMO_PANDA_BMP, std::ios::binary);
  if (!in) return std::nullopt;
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  auto loaded = picture::LoadBmp(bytes);
  if (!loaded) return std::nullopt;
  picture::Canvas canvas(std::move(*loaded.value));
  picture::CanvasPainter painter(canvas);
  PandaInit(state, painter);
  picture::PaintHitMap(canvas, state);
  canvas.TakeChanged();
  return canvas;
}

picture::Canvas StandInBody() {
  picture::Surface s;
  constexpr double kA = 45.0;
  constexpr double kB = 70.0;
  for (int y = 0; y < picture::kHeight; ++y) {
    for (int x = 0; x < picture::kWidth; ++x) {
      const double dx = (x - kBodyX) / kA;
      const double dy = (y - kBodyY) / kB;
      const double outer_x = (x - kBodyX) / (kA + 4);
      const double outer_y = (y - kBodyY) / (kB + 4);
      TColor c = clLime;
      if (dx * dx + dy * dy <= 1.0) {
        c = clWhite;
      } else if (outer_x * outer_x + outer_y * outer_y <= 1.0) {
        c = clGray;
      }
      s.SetPixel(x, y, c);
    }
  }
  return picture::Canvas(std::move(s));
}

BodyScene BodyFillScene() {
  GameState state;
  if (auto panda = PandaScene(state)) return {std::move(*panda), "panda body"};
  return {StandInBody(), "stand-in ellipse"};
}

}  // namespace veldamo::bench
