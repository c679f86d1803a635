// Fills the body back and forth a fixed number of times and prints how many
// pixels were painted. Run under
//   valgrind --tool=callgrind --toggle-collect='veldamo::picture::Canvas::FloodFill*'
// and divide the instruction count by the pixels.
#include <cstdio>
#include <cstdlib>

#include "scene.h"

int main(int argc, char** argv) {
  const long fills = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
  veldamo::bench::BodyScene scene = veldamo::bench::BodyFillScene();
  std::size_t painted = 0;
  for (long i = 0; i < fills; ++i) {
    scene.canvas.SetBrushColor(i % 2 == 0 ? veldamo::clBlack : veldamo::clWhite);
    painted += scene.canvas.FloodFill(veldamo::bench::kBodyX, veldamo::bench::kBodyY);
  }
  std::printf("%s: %ld fills, %zu pixels painted, %.1f per fill\n", scene.name.c_str(), fills,
              painted, static_cast<double>(painted) / static_cast<double>(fills));
  return 0;
}
