#include "board_model.h"

#include <algorithm>
#include <utility>

namespace veldamo::soak {
namespace {

// The pairs of parts that face each other across one outline stroke.
constexpr std::pair<int, int> kTouching[] = {
    {1, 3}, {2, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 7}, {6, 7}, {6, 8}, {6, 9}, {6, 10}, {6, 11},
};

}  // namespace

void BoardModel::Restore(std::int32_t level) {
  level_ = level;
  shades_ = kProperPattern;
}

void BoardModel::Click(std::int32_t n) {
  const std::int32_t shades_in_use = level_ + 2;
  const auto advance = [&](int cell) {
    auto& s = shades_[static_cast<std::size_t>(cell - 1)];
    s = (s + 1) % shades_in_use;
  };
  advance(n);
  for (const auto& [a, b] : kTouching) {
    if (a == n) advance(b);
    if (b == n) advance(a);
  }
}

std::int32_t BoardModel::Judge() const {
  if (shades_ == kProperPattern) return 1;
  const auto all = [&](std::int32_t shade) {
    return std::all_of(shades_.begin(), shades_.end(), [shade](std::int32_t s) { return s == shade; });
  };
  if (all(0)) return 2;
  if (all(1)) return 3;
  return 0;
}

std::int32_t ShadeOfColour(std::uint32_t colour) {
  switch (colour) {
    case 0x000000: return 0;
    case 0xFFFFFF: return 1;
    case 0xC0C0C0: return 2;
    default: return -1;
  }
}

std::uint32_t ColourOfShade(std::int32_t shade) {
  constexpr std::uint32_t kColours[] = {0x000000, 0xFFFFFF, 0xC0C0C0};
  return kColours[static_cast<std::size_t>(shade)];
}

}  // namespace veldamo::soak
