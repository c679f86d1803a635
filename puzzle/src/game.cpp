#include "puzzle/game.h"

#include "puzzle/texts.h"

namespace veldamo {

namespace {
constexpr std::int32_t kMinScramble = 8;
constexpr std::int32_t kScrambleSpread = 30;  // so 8..37 clicks
}  // namespace

void StartGame(GameState& state, Painter& painter, GamePort& port, std::int32_t tag) {
  if (tag == 1) {
    state.Level = kBeginner;
    port.SetLevelText(texts::kLevelBeginner);
  } else {
    state.Level = kAdvanced;
    port.SetLevelText(texts::kLevelAdvanced);
  }
  port.SetStatusText(texts::kRestorePlease);
  PandaInit(state, painter);
  const std::int32_t clicks = port.Random(kScrambleSpread) + kMinScramble;
  for (std::int32_t k = 0; k < clicks; ++k) {
    ClickHere(state, painter, port.Random(kCellCount) + 1);
  }
  state.StartTime = port.TickCount();
  state.GameRunning = true;
}

void PressCell(GameState& state, Painter& painter, GamePort& port, std::int32_t n) {
  state.ClickedCell = n;
  if (n == 0) return;
  ClickHere(state, painter, n);
  if (!state.GameRunning) return;
  switch (JudgeBoard(state)) {
    case kJudgeRestored: {
      const std::uint32_t elapsed = port.TickCount() - state.StartTime;
      port.Beep();
      port.SetStatusText(texts::WinText(TimeText(elapsed, port.DecimalSeparator())));
      state.StartTime = 0;
      state.GameRunning = false;
      break;
    }
    case kJudgeAllBlack:
      port.Beep();
      port.SetStatusText(texts::kAllBlack);
      break;
    case kJudgeAllWhite:
      port.Beep();
      port.SetStatusText(texts::kAllWhite);
      break;
    default:
      port.SetStatusText(texts::kMixed);
      break;
  }
}

std::string TimeText(std::uint32_t elapsed_ms, std::string_view separator) {
  const std::uint64_t tenths = (static_cast<std::uint64_t>(elapsed_ms) + 50) / 100;
  std::string text = std::to_string(tenths / 10);
  text += separator.empty() ? std::string_view(".") : separator;
  text += static_cast<char>('0' + tenths % 10);
  return text;
}

namespace texts {
std::string WinText(std::string_view time_text) {
  std::string text(kWinHead);
  text += time_text;
  text += kWinTail;
  return text;
}
}  // namespace texts

}  // namespace veldamo
