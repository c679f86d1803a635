#include "picture/canvas.h"

#include <algorithm>
#include <bit>
#include <utility>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace veldamo::picture {

Canvas::Canvas(Surface surface) : surface_(std::move(surface)) {}

DirtyRect Canvas::TakeChanged() { return std::exchange(changed_, DirtyRect{}); }

void Canvas::MarkChanged(DirtyRect area) {
  if (area.Empty()) return;
  if (changed_.Empty()) {
    changed_ = area;
    return;
  }
  changed_.left = std::min(changed_.left, area.left);
  changed_.top = std::min(changed_.top, area.top);
  changed_.right = std::max(changed_.right, area.right);
  changed_.bottom = std::max(changed_.bottom, area.bottom);
}

namespace {

// Segments the stack starts with; it doubles when a fill needs more.
constexpr std::size_t kInitialStack = 256;

// Paints the run of `old` pixels that starts at x, going right; returns the
// first column past it. Four pixels at a time where SSE2 is there.
inline int PaintRight(TColor* row, int x, TColor old, TColor paint) {
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i olds = _mm_set1_epi32(static_cast<int>(old));
  const __m128i paints = _mm_set1_epi32(static_cast<int>(paint));
  while (x <= kWidth - 4) {
    const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
    const int same = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, olds)));
    if (same != 0xF) {
      // Bit k is pixel x + k: paint the leading ones.
      const int n = std::countr_one(static_cast<unsigned>(same));
      for (int k = 0; k < n; ++k) row[x + k] = paint;
      return x + n;
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x), paints);
    x += 4;
  }
#endif
  while (x < kWidth && row[x] == old) row[x++] = paint;
  return x;
}

// Paints the run of `old` pixels that ends at x, going left; returns the
// column before it (-1 at the picture's edge).
inline int PaintLeft(TColor* row, int x, TColor old, TColor paint) {
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i olds = _mm_set1_epi32(static_cast<int>(old));
  const __m128i paints = _mm_set1_epi32(static_cast<int>(paint));
  while (x >= 3) {
    const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x - 3));
    const int same = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, olds)));
    if (same != 0xF) {
      // Bit 3 is pixel x, bit 0 pixel x - 3: paint the ones from the top.
      const int n = std::countl_one(static_cast<unsigned>(same) << 28U);
      for (int k = 0; k < n; ++k) row[x - k] = paint;
      return x - n;
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x - 3), paints);
    x -= 4;
  }
#endif
  while (x >= 0 && row[x] == old) row[x--] = paint;
  return x;
}

}  // namespace

// A span (scanline) fill after Heckbert's "seed fill" (Graphics Gems I).
// Each popped segment explores one row beside a run filled on the row before
// it; runs found there are filled at once and pushed to explore onwards, and
// only the parts of a run that stick out past its parent are looked at
// backwards. So most pixels are read once and written once. The explicit
// stack keeps its capacity between fills; while filling it is handled
// through locals so that the pixel stores cannot be taken to change it.
std::size_t Canvas::FloodFill(int x, int y) {
  if (!Surface::Inside(x, y)) return 0;
  TColor* const pixels = surface_.Pixels().data();
  const auto row_at = [pixels](int row) {
    return pixels + static_cast<std::ptrdiff_t>(row) * kWidth;
  };
  const TColor old = row_at(y)[x];
  const TColor paint = brush_;
  // Painting the colour already there changes nothing; a fill that waited
  // for the colour to change would never end.
  if (old == paint) return 0;

  if (stack_.size() < kInitialStack) stack_.resize(kInitialStack);
  Segment* stack = stack_.data();
  std::size_t top = 0;
  const auto push = [&](int row, int left, int right, int dy) {
    if (row < 0 || row >= kHeight) return;
    if (top == stack_.size()) {
      stack_.resize(2 * top);
      stack = stack_.data();
    }
    stack[top++] = Segment{row, left, right, dy};
  };
  // The seed as a one-pixel parent in both directions: row y itself first,
  // then the row below the seed.
  push(y + 1, x, x, 1);
  push(y, x, x, -1);

  std::size_t painted = 0;
  int min_x = x;
  int max_x = x;
  int min_y = y;
  int max_y = y;

  while (top != 0) {
    const Segment s = stack[--top];
    TColor* const row = row_at(s.y);
    int px = s.xl;
    int left = 0;
    if (row[px] == old) {
      // A run that starts under the parent: paint it leftwards, and look
      // back at the row behind where it sticks out to the left.
      left = PaintLeft(row, px, old, paint) + 1;
      if (left < s.xl) push(s.y - s.dy, left, s.xl - 1, -s.dy);
      px = s.xl + 1;
    } else {
      while (++px <= s.xr && row[px] != old) {
      }
      if (px > s.xr) continue;
      left = px;
    }
    min_y = std::min(min_y, s.y);
    max_y = std::max(max_y, s.y);
    min_x = std::min(min_x, left);
    for (;;) {
      px = PaintRight(row, px, old, paint);
      // Run left..px-1 is painted.
      max_x = std::max(max_x, px - 1);
      push(s.y + s.dy, left, px - 1, s.dy);
      if (px > s.xr + 1) push(s.y - s.dy, s.xr + 1, px - 1, -s.dy);
      painted += static_cast<std::size_t>(px - left);
      // The next run under the parent, if any.
      while (++px <= s.xr && row[px] != old) {
      }
      if (px > s.xr) break;
      left = px;
    }
  }
  MarkChanged(DirtyRect{min_x, min_y, max_x + 1, max_y + 1});
  return painted;
}

}  // namespace veldamo::picture
