#include "puzzle/system.h"

#include <chrono>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <mach/mach_time.h>
#else
#include <ctime>
#endif

namespace veldamo {

std::uint32_t SystemTickCount() {
#if defined(_WIN32)
  return static_cast<std::uint32_t>(GetTickCount64());
#elif defined(__APPLE__)
  // mach_continuous_time keeps counting while the machine sleeps.
  mach_timebase_info_data_t base{};
  mach_timebase_info(&base);
  const unsigned __int128 ns =
      static_cast<unsigned __int128>(mach_continuous_time()) * base.numer / base.denom;
  return static_cast<std::uint32_t>(ns / 1000000);
#else
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000U +
                  static_cast<std::uint64_t>(now.tv_nsec) / 1000000U;
  return static_cast<std::uint32_t>(ms);
#endif
}

std::uint32_t TimeOfDaySeed() {
  using namespace std::chrono;
  const auto now = time_point_cast<milliseconds>(system_clock::now());
  const auto since_midnight = now - floor<days>(now);
  return static_cast<std::uint32_t>(since_midnight.count());
}

Random32::Random32(std::uint64_t seed) { Seed(seed); }

void Random32::Seed(std::uint64_t seed) {
  state_ = 0;
  Next();
  state_ += seed;
  Next();
}

std::uint32_t Random32::Next() {
  const std::uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + kIncrement;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
  const auto rot = static_cast<std::uint32_t>(old >> 59U);
  return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

std::int32_t Random32::Below(std::int32_t n) {
  if (n <= 0) return 0;
  const auto bound = static_cast<std::uint32_t>(n);
  // Reject the low values that would make some results more likely.
  const std::uint32_t threshold = (0U - bound) % bound;
  for (;;) {
    const std::uint32_t r = Next();
    if (r >= threshold) return static_cast<std::int32_t>(r % bound);
  }
}

}  // namespace veldamo
