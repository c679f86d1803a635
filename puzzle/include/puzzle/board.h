// The panda board: the cell table, the neighbour table and the four rules
// PandaInit, Reverse, ClickHere and JudgeBoard.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "puzzle/tcolor.h"

namespace veldamo {

inline constexpr std::int32_t kCellCount = 11;

// An array indexed by cell number 1..11; there is no element 0.
template <typename T>
struct CellArray {
  std::array<T, kCellCount> v{};

  constexpr T& operator[](std::int32_t cell) { return v[Index(cell)]; }
  constexpr const T& operator[](std::int32_t cell) const { return v[Index(cell)]; }
  friend constexpr bool operator==(const CellArray&, const CellArray&) = default;

 private:
  static constexpr std::size_t Index(std::int32_t cell) {
    return static_cast<std::size_t>(cell - 1);
  }
};

// Shade indices and their colours.
inline constexpr std::int32_t kShadeBlack = 0;
inline constexpr std::int32_t kShadeWhite = 1;
inline constexpr std::int32_t kShadeSilver = 2;
TColor ShadeColor(std::int32_t shade);

// Levels.
inline constexpr std::int32_t kBeginner = 0;
inline constexpr std::int32_t kAdvanced = 1;

// Judge results.
inline constexpr std::int32_t kJudgeMixed = 0;
inline constexpr std::int32_t kJudgeRestored = 1;
inline constexpr std::int32_t kJudgeAllBlack = 2;
inline constexpr std::int32_t kJudgeAllWhite = 3;

// The whole game state. The program keeps exactly one, owned by the window's
// module; tests make their own. All zero until PandaInit runs.
struct GameState {
  CellArray<std::int32_t> CellX;
  CellArray<std::int32_t> CellY;
  CellArray<TColor> CellColor;
  CellArray<std::int32_t> CellState;
  std::int32_t Level = 0;
  std::int32_t ClickedCell = 0;
  std::uint32_t StartTime = 0;  // tick count when the running game's scramble ended
  bool GameRunning = false;     // kept apart from StartTime: a tick count may be 0
};

// Where the board paints. Fill floods the area holding (x, y) with a colour;
// Refresh puts every change made so far on the screen before it returns.
class Painter {
 public:
  virtual ~Painter() = default;
  virtual void Fill(std::int32_t x, std::int32_t y, TColor colour) = 0;
  virtual void Refresh() = 0;
};

// The cell table as PandaInit loads it.
struct CellInfo {
  std::int32_t x;
  std::int32_t y;
  TColor hit_color;
  std::int32_t initial_shade;
};
const CellInfo& CellTableEntry(std::int32_t cell);

// Row n of the neighbour table: n itself first, then its neighbours in
// repaint order. Empty for n outside 1..11.
std::span<const std::int32_t> NeighbourRow(std::int32_t n);

void PandaInit(GameState& state, Painter& painter);
void Reverse(GameState& state, Painter& painter, std::int32_t i);
void ClickHere(GameState& state, Painter& painter, std::int32_t n);
std::int32_t JudgeBoard(const GameState& state);

}  // namespace veldamo
