// A small row-major raster of plain values, and the picture's own sizes and
// colour-table indices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace veldamo::panda {

inline constexpr int kWidth = 400;      // the whole picture
inline constexpr int kHeight = 300;
inline constexpr int kHalfWidth = 200;  // the visible half; the hit map starts here

// Colour-table indices the picture uses.
inline constexpr std::uint8_t kBlack = 0;
inline constexpr std::uint8_t kLime = 28;
inline constexpr std::uint8_t kGrey = 146;
inline constexpr std::uint8_t kRed = 224;
inline constexpr std::uint8_t kWhite = 255;

template <typename T>
class Grid {
 public:
  Grid(int width, int height, T fill)
      : width_(width), height_(height), cells_(Index(width, 0, height), fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Callers stay inside; Inside() tells them where that is.
  T At(int x, int y) const { return cells_[Index(width_, x, y)]; }
  void Set(int x, int y, T value) { cells_[Index(width_, x, y)] = value; }

  const std::vector<T>& Cells() const { return cells_; }
  friend bool operator==(const Grid&, const Grid&) = default;

 private:
  static std::size_t Index(int width, int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<T> cells_;
};

// The whole picture as colour-table indices.
using IndexRaster = Grid<std::uint8_t>;
inline IndexRaster BlankPicture() { return IndexRaster(kWidth, kHeight, kWhite); }

}  // namespace veldamo::panda
