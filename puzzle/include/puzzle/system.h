// Real sources for the game's port that need no window: the tick counter and
// a portable pseudo-random generator seeded from the time of day.
#pragma once

#include <cstdint>

namespace veldamo {

// Milliseconds since the system started, counting through suspend, truncated
// to 32 bits.
std::uint32_t SystemTickCount();

// Milliseconds since midnight UTC, 0..86,399,999.
std::uint32_t TimeOfDaySeed();

// PCG32 (XSH RR). Its draws depend only on the seed, on every compiler and
// platform.
class Random32 {
 public:
  explicit Random32(std::uint64_t seed = 0);
  void Seed(std::uint64_t seed);
  std::uint32_t Next();
  // Uniform integer in [0, n) without modulo bias; 0 when n <= 0.
  std::int32_t Below(std::int32_t n);

 private:
  std::uint64_t state_ = 0;
  static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
};

}  // namespace veldamo
