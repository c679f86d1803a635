// The game's rules written out again from the table of touching parts, to
// judge the real board against: shades, clicks and the judge.
#pragma once

#include <array>
#include <cstdint>

namespace veldamo::soak {

inline constexpr int kCells = 11;

// Shades of cells 1..11 at index 0..10.
using Shades = std::array<std::int32_t, kCells>;

// Head, body and tail white (1), the other eight black (0).
inline constexpr Shades kProperPattern = {0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 1};

class BoardModel {
 public:
  void Restore(std::int32_t level);
  // Cell n and every part it touches advance one shade.
  void Click(std::int32_t n);
  // 1 restored, 2 all black, 3 all white, 0 anything else.
  std::int32_t Judge() const;

  const Shades& shades() const { return shades_; }
  std::int32_t level() const { return level_; }

 private:
  Shades shades_ = kProperPattern;
  std::int32_t level_ = 0;
};

// The shade shown by a colour: 0 black, 1 white, 2 silver, -1 none of them.
std::int32_t ShadeOfColour(std::uint32_t colour);
std::uint32_t ColourOfShade(std::int32_t shade);

}  // namespace veldamo::soak
