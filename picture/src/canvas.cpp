#include "picture/canvas.h"

#include <algorithm>
#include <bit>
#include <utility>

// VELDAMO_FILL_SCALAR keeps the one-pixel path alone, so tests can check it.
#if (defined(__SSE2__) || defined(_M_X64)) && !defined(VELDAMO_FILL_SCALAR)
#define VELDAMO_FILL_SSE2 1
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
constexpr std::size_t kInitialStack = 1024;
// The most segments one popped segment pushes: a look back on the left,
// then a child and a look back on the right for each of at most 200 runs.
constexpr std::size_t kMostPushes = 1 + 2 * (kWidth / 2);
static_assert(kInitialStack >= kMostPushes);

// The row operations of one fill: painting runs of the old colour and finding
// the next one. Four pixels at a time where SSE2 is there, one at a time
// otherwise and at the picture's edges.
class RowPainter {
 public:
  RowPainter(TColor old, TColor paint) : old_(old), paint_(paint) {}

  // Paints the run of old pixels that starts at x, going right; returns the
  // first column past it.
  int Right(TColor* row, int x) const {
#ifdef VELDAMO_FILL_SSE2
    // Eight at a time through the middle of a long run.
    while (x <= kWidth - 8) {
      const __m128i both = _mm_and_si128(_mm_cmpeq_epi32(Load(row + x), olds_),
                                         _mm_cmpeq_epi32(Load(row + x + 4), olds_));
      if (_mm_movemask_ps(_mm_castsi128_ps(both)) != 0xF) break;
      Store(row + x, paints_);
      Store(row + x + 4, paints_);
      x += 8;
    }
    while (x <= kWidth - 4) {
      const __m128i four = Load(row + x);
      const unsigned same = Same(four);
      if (same != 0xFU) {
        // Bit k is pixel x + k: paint the leading ones, keep the rest.
        const int n = std::countr_one(same);
        Store(row + x, Blend(four, Leading(n)));
        return x + n;
      }
      Store(row + x, paints_);
      x += 4;
    }
#endif
    while (x < kWidth && row[x] == old_) row[x++] = paint_;
    return x;
  }

  // Paints the run of old pixels that ends at x, going left; returns the
  // column before it (-1 at the picture's edge).
  int Left(TColor* row, int x) const {
#ifdef VELDAMO_FILL_SSE2
    while (x >= 3) {
      const __m128i four = Load(row + x - 3);
      const unsigned same = Same(four);
      if (same != 0xFU) {
        // Bit 3 is pixel x, bit 0 pixel x - 3: paint the ones from the top.
        const int n = std::countl_one(same << 28U);
        Store(row + x - 3, Blend(four, Trailing(n)));
        return x - n;
      }
      Store(row + x - 3, paints_);
      x -= 4;
    }
#endif
    while (x >= 0 && row[x] == old_) row[x--] = paint_;
    return x;
  }

  // The first column from x to last that holds the old colour, or last + 1.
  int NextOld(const TColor* row, int x, int last) const {
#ifdef VELDAMO_FILL_SSE2
    while (x + 3 <= last) {
      if (const unsigned same = Same(Load(row + x)); same != 0) {
        return x + std::countr_zero(same);
      }
      x += 4;
    }
#endif
    while (x <= last && row[x] != old_) ++x;
    return x;
  }

 private:
  TColor old_;
  TColor paint_;
#ifdef VELDAMO_FILL_SSE2
  static __m128i Load(const TColor* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
  static void Store(TColor* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
  // Bit k set where pixel k holds the old colour.
  unsigned Same(__m128i four) const {
    return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, olds_))));
  }
  // The paint colour in the lanes of mask, the pixels' own elsewhere.
  __m128i Blend(__m128i four, __m128i mask) const {
    return _mm_or_si128(_mm_and_si128(mask, paints_), _mm_andnot_si128(mask, four));
  }
  // Masks of the first or last n lanes, n = 0..3.
  static __m128i Leading(int n) { return _mm_cmplt_epi32(_mm_setr_epi32(0, 1, 2, 3), _mm_set1_epi32(n)); }
  static __m128i Trailing(int n) { return _mm_cmpgt_epi32(_mm_setr_epi32(0, 1, 2, 3), _mm_set1_epi32(3 - n)); }

  __m128i olds_ = _mm_set1_epi32(static_cast<int>(old_));
  __m128i paints_ = _mm_set1_epi32(static_cast<int>(paint_));
#endif
};

}  // namespace

Canvas::Segment* Canvas::GrowStack() {
  stack_.resize(2 * stack_.size());
  return stack_.data();
}

// A span (scanline) fill after Heckbert's "seed fill" (Graphics Gems I).
// Each popped segment explores one row beside a run filled on the row before
// it; runs found there are filled at once and pushed to explore onwards, and
// only the parts of a run that stick out past its parent are looked at
// backwards. So most pixels are read once and written once. The explicit
// stack keeps its capacity between fills; while filling it is handled
// through locals, so that the compiler need not reload it after each pixel
// store.
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

  const RowPainter runs(old, paint);
  if (stack_.size() < kInitialStack) stack_.resize(kInitialStack);
  // Room is made once per popped segment, so a push only stores.
  Segment* stack = stack_.data();
  std::size_t top = 0;
  std::size_t roomy = stack_.size() - kMostPushes;  // top below this: room to push
  const auto push = [&stack, &top](int row, int left, int right, int dy) {
    if (row >= 0 && row < kHeight) stack[top++] = Segment{row, left, right, dy};
  };
  // The seed's own run first; it is the parent of the rows above and below.
  TColor* const seed_row = row_at(y);
  const int seed_left = runs.Left(seed_row, x) + 1;
  const int seed_end = runs.Right(seed_row, x + 1);
  push(y + 1, seed_left, seed_end - 1, 1);
  push(y - 1, seed_left, seed_end - 1, -1);

  std::size_t painted = static_cast<std::size_t>(seed_end - seed_left);
  int min_x = seed_left;
  int max_x = seed_end - 1;
  int min_y = y;
  int max_y = y;

  // Every parent run is whole: the pixels just past its ends did not hold
  // the old colour when it was painted, and never will. So a child's run
  // looks back only from two columns past its parent's ends.
  while (top != 0) {
    if (top > roomy) {
      stack = GrowStack();
      roomy = stack_.size() - kMostPushes;
    }
    const Segment s = stack[--top];
    TColor* const row = row_at(s.y);
    int px = s.xl;
    int left = 0;
    if (row[px] == old) {
      // A run that starts under the parent: paint it leftwards (most runs
      // end at or next to their parent's end, so one pixel is tested before
      // the four-pixel steps), and look back at the row behind where it
      // sticks out to the left.
      row[px] = paint;
      left = px;
      if (px > 0 && row[px - 1] == old) left = runs.Left(row, px - 1) + 1;
      if (left < s.xl - 1) push(s.y - s.dy, left, s.xl - 2, -s.dy);
      px = s.xl + 1;
    } else {
      px = runs.NextOld(row, px + 1, s.xr);
      if (px > s.xr) continue;
      left = px;
    }
    min_y = std::min(min_y, s.y);
    max_y = std::max(max_y, s.y);
    min_x = std::min(min_x, left);
    for (;;) {
      px = runs.Right(row, px);
      // Run left..px-1 is painted.
      max_x = std::max(max_x, px - 1);
      push(s.y + s.dy, left, px - 1, s.dy);
      if (px > s.xr + 2) push(s.y - s.dy, s.xr + 2, px - 1, -s.dy);
      painted += static_cast<std::size_t>(px - left);
      // The next run under the parent, if any.
      px = runs.NextOld(row, px + 1, s.xr);
      if (px > s.xr) break;
      left = px;
    }
  }
  MarkChanged(DirtyRect{min_x, min_y, max_x + 1, max_y + 1});
  return painted;
}

}  // namespace veldamo::picture
