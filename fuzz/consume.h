// What every harness does with a decoder's result: reads all of it into a
// hash that ends in a volatile store, so the optimiser keeps every read the
// decoder made, and stops the run on a result that breaks a promise of the
// decoder's header (libFuzzer then saves the input as a crash).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace veldamo::fuzz {

inline volatile std::uint64_t g_sink = 0;

// FNV-1a, one 64-bit value at a time.
class Hash {
 public:
  void Add(std::uint64_t v) {
    h_ ^= v;
    h_ *= 1099511628211ULL;
  }
  void Add(std::string_view s) {
    for (const char c : s) Add(static_cast<unsigned char>(c));
  }
  // Publishes the hash; nothing read into it can be optimised away.
  void Sink() const { g_sink = g_sink + h_; }

 private:
  std::uint64_t h_ = 14695981039346656037ULL;
};

inline void Require(bool ok, const char* promise) {
  if (!ok) {
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
  }
}

// A refusal must say why; a success must not carry a message.
template <typename Decoded>
bool Refused(const Decoded& result, Hash& hash) {
  if (result) {
    Require(result.error.empty(), "a decoded value comes without an error message");
    return false;
  }
  Require(!result.error.empty(), "a refusal says what is wrong");
  hash.Add(result.error);
  hash.Sink();
  return true;
}

}  // namespace veldamo::fuzz
