// The seed of a randomised test: VELDAMO_TEST_SEED when set, otherwise a
// fresh one. It is printed so a failing run can be repeated.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace veldamo::picture::testing_support {

inline std::uint32_t TestSeed(const char* what) {
  std::uint32_t seed = 0;
  if (const char* env = std::getenv("VELDAMO_TEST_SEED"); env != nullptr && *env != '\0') {
    seed = static_cast<std::uint32_t>(std::strtoul(env, nullptr, 10));
  } else {
    seed = std::random_device{}();
  }
  std::cout << what << ": seed " << seed << " (repeat with VELDAMO_TEST_SEED=" << seed << ")\n";
  return seed;
}

}  // namespace veldamo::picture::testing_support
