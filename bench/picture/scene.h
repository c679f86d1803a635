// The pictures the benchmarks work on: the panda asset with its hit map
// painted, or, while there is none, a stand-in body of about the same size.
#pragma once

#include <optional>
#include <string>

#include "picture/canvas.h"
#include "puzzle/board.h"

namespace veldamo::bench {

// The asset after start-up: proper pattern and hit map painted. Empty when
// the file is missing or unreadable.
std::optional<picture::Canvas> PandaScene(GameState& state);

// A white ellipse of about 9,900 pixels at the body's seed, in a grey outline
// on lime.
picture::Canvas StandInBody();

// The body's seed: cell 6.
inline constexpr int kBodyX = 100;
inline constexpr int kBodyY = 170;

// The panda when present, else the stand-in, and which one it is.
struct BodyScene {
  picture::Canvas canvas;
  std::string name;
};
BodyScene BodyFillScene();

}  // namespace veldamo::bench
