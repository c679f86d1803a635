#include "puzzle/board.h"

namespace veldamo {

TColor ShadeColor(std::int32_t shade) {
  switch (shade) {
    case kShadeBlack:
      return clBlack;
    case kShadeWhite:
      return clWhite;
    default:
      return clSilver;
  }
}

const CellInfo& CellTableEntry(std::int32_t cell) {
  static constexpr CellInfo kTable[kCellCount] = {
      {50, 30, clBlack, kShadeBlack},     // 1 left ear
      {140, 30, clMaroon, kShadeBlack},   // 2 right ear
      {100, 50, clGreen, kShadeWhite},    // 3 head
      {85, 65, clOlive, kShadeBlack},     // 4 left eye patch
      {120, 80, clNavy, kShadeBlack},     // 5 right eye patch
      {100, 170, clPurple, kShadeWhite},  // 6 body
      {45, 125, clTeal, kShadeBlack},     // 7 left arm
      {170, 100, clRed, kShadeBlack},     // 8 right arm
      {60, 250, clLime, kShadeBlack},     // 9 left leg
      {110, 260, clBlue, kShadeBlack},    // 10 right leg
      {163, 213, clFuchsia, kShadeWhite}, // 11 tail
  };
  return kTable[cell - 1];
}

std::span<const std::int32_t> NeighbourRow(std::int32_t n) {
  static constexpr std::int32_t kRow1[] = {1, 3};
  static constexpr std::int32_t kRow2[] = {2, 3};
  static constexpr std::int32_t kRow3[] = {3, 1, 2, 4, 5, 6, 7};
  static constexpr std::int32_t kRow4[] = {4, 3};
  static constexpr std::int32_t kRow5[] = {5, 3};
  static constexpr std::int32_t kRow6[] = {6, 3, 7, 8, 9, 10, 11};
  static constexpr std::int32_t kRow7[] = {7, 6, 3};
  static constexpr std::int32_t kRow8[] = {8, 6};
  static constexpr std::int32_t kRow9[] = {9, 6};
  static constexpr std::int32_t kRow10[] = {10, 6};
  static constexpr std::int32_t kRow11[] = {11, 6};
  switch (n) {
    case 1: return kRow1;
    case 2: return kRow2;
    case 3: return kRow3;
    case 4: return kRow4;
    case 5: return kRow5;
    case 6: return kRow6;
    case 7: return kRow7;
    case 8: return kRow8;
    case 9: return kRow9;
    case 10: return kRow10;
    case 11: return kRow11;
    default: return {};
  }
}

void PandaInit(GameState& state, Painter& painter) {
  // Load the whole table before painting anything.
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    const CellInfo& cell = CellTableEntry(i);
    state.CellX[i] = cell.x;
    state.CellY[i] = cell.y;
    state.CellColor[i] = cell.hit_color;
    state.CellState[i] = cell.initial_shade;
  }
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    painter.Fill(state.CellX[i], state.CellY[i],
                 state.CellState[i] != kShadeBlack ? clWhite : clBlack);
  }
}

void Reverse(GameState& state, Painter& painter, std::int32_t i) {
  const std::int32_t shades = state.Level + 2;
  const std::int32_t s = (state.CellState[i] + 1) % shades;
  state.CellState[i] = s;
  painter.Fill(state.CellX[i], state.CellY[i], ShadeColor(s));
}

void ClickHere(GameState& state, Painter& painter, std::int32_t n) {
  for (std::int32_t cell : NeighbourRow(n)) {
    Reverse(state, painter, cell);
  }
  painter.Refresh();
}

std::int32_t JudgeBoard(const GameState& state) {
  bool proper = true;
  bool all_black = true;
  bool all_white = true;
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    const std::int32_t shade = state.CellState[i];
    proper = proper && shade == CellTableEntry(i).initial_shade;
    all_black = all_black && shade == kShadeBlack;
    all_white = all_white && shade == kShadeWhite;
  }
  if (proper) return kJudgeRestored;
  if (all_black) return kJudgeAllBlack;
  if (all_white) return kJudgeAllWhite;
  return kJudgeMixed;
}

}  // namespace veldamo
