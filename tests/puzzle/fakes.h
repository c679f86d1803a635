// Test doubles for the board's painter and the game's port. Both write into
// one event log so tests can check the order of fills, refreshes, texts and
// beeps.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "puzzle/board.h"
#include "puzzle/game.h"

namespace veldamo::testing {

// The cell whose seed point is (x, y), or 0.
inline std::int32_t CellAt(std::int32_t x, std::int32_t y) {
  for (std::int32_t i = 1; i <= kCellCount; ++i) {
    if (CellTableEntry(i).x == x && CellTableEntry(i).y == y) return i;
  }
  return 0;
}

inline char ShadeLetter(TColor c) {
  switch (c) {
    case clBlack: return 'b';
    case clWhite: return 'w';
    case clSilver: return 's';
    default: return '?';
  }
}

using EventLog = std::vector<std::string>;

// Records "F<cell><b|w|s>" for every fill and "R" for every refresh.
class RecordingPainter : public Painter {
 public:
  explicit RecordingPainter(EventLog& log) : log_(log) {}
  void Fill(std::int32_t x, std::int32_t y, TColor colour) override {
    log_.push_back("F" + std::to_string(CellAt(x, y)) + ShadeLetter(colour));
  }
  void Refresh() override { log_.push_back("R"); }

 private:
  EventLog& log_;
};

// Plays back scripted random draws and tick counts; records "L:<text>",
// "S:<text>", "beep" and "rand<n>".
class ScriptedPort : public GamePort {
 public:
  explicit ScriptedPort(EventLog& log) : log_(log) {}

  std::deque<std::int32_t> draws;  // consumed front first; 0 when empty
  std::uint32_t tick = 1000;
  std::string separator = ".";
  std::string level_text;
  std::string status_text;
  int beeps = 0;

  void SetLevelText(std::string_view text) override {
    level_text = text;
    log_.push_back("L:" + level_text);
  }
  void SetStatusText(std::string_view text) override {
    status_text = text;
    log_.push_back("S:" + status_text);
  }
  std::uint32_t TickCount() override { return tick; }
  std::int32_t Random(std::int32_t n) override {
    log_.push_back("rand" + std::to_string(n));
    if (draws.empty()) return 0;
    const std::int32_t r = draws.front();
    draws.pop_front();
    return r;
  }
  void Beep() override {
    ++beeps;
    log_.push_back("beep");
  }
  std::string DecimalSeparator() override { return separator; }

 private:
  EventLog& log_;
};

inline std::vector<std::int32_t> Shades(const GameState& state) {
  std::vector<std::int32_t> shades;
  for (std::int32_t i = 1; i <= kCellCount; ++i) shades.push_back(state.CellState[i]);
  return shades;
}

}  // namespace veldamo::testing
