// The result of decoding untrusted bytes: a value, or a message saying what
// is wrong with the input.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace veldamo::picture {

template <typename T>
struct Decoded {
  std::optional<T> value;
  std::string error;  // empty when value holds something

  static Decoded Ok(T v) { return Decoded{std::move(v), {}}; }
  static Decoded Fail(std::string why) { return Decoded{std::nullopt, std::move(why)}; }
  explicit operator bool() const { return value.has_value(); }
};

}  // namespace veldamo::picture
