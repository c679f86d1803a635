// Reading the committed resources and drawings in tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace veldamo::images_test {

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  const std::string s = ReadText(path);
  return {s.begin(), s.end()};
}

inline std::vector<std::uint8_t> CursorFile() {
  return ReadBytes(VELDAMO_RESOURCES_DIR "/mycsr.cur");
}
inline std::vector<std::uint8_t> IconFile() {
  return ReadBytes(VELDAMO_RESOURCES_DIR "/mainicon.ico");
}

}  // namespace veldamo::images_test
