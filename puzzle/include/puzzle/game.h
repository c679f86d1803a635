// Game control: starting a game and handling a press once the hit test has
// named the part.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "puzzle/board.h"

namespace veldamo {

// The outside world as the game sees it.
class GamePort {
 public:
  virtual ~GamePort() = default;
  virtual void SetLevelText(std::string_view text) = 0;   // Label1
  virtual void SetStatusText(std::string_view text) = 0;  // Label2
  virtual std::uint32_t TickCount() = 0;                  // milliseconds, wraps at 2^32
  virtual std::int32_t Random(std::int32_t n) = 0;        // uniform in [0, n)
  virtual void Beep() = 0;                                // the default alert
  virtual std::string DecimalSeparator() = 0;             // UTF-8, never empty
};

// A start button with the given Tag was clicked: 1 starts a beginner game,
// any other value an advanced one.
void StartGame(GameState& state, Painter& painter, GamePort& port, std::int32_t tag);

// A press on the picture hit cell n (0 for no part).
void PressCell(GameState& state, Painter& painter, GamePort& port, std::int32_t n);

// The time taken in seconds with one decimal, halves rounded up.
std::string TimeText(std::uint32_t elapsed_ms, std::string_view separator);

}  // namespace veldamo
