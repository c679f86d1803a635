#include "picture/canvas.h"

#include <algorithm>
#include <utility>

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

// A span (scanline) fill after Heckbert's "seed fill" (Graphics Gems I).
// Each popped segment explores one row below a run filled on the row before
// it; runs found there are filled at once and pushed to explore onwards, and
// only the parts of a run that stick out past its parent are looked at
// backwards. So most pixels are read once and written once, and nothing is
// pushed twice. The explicit stack keeps its capacity between fills.
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

  stack_.clear();
  const auto push = [this](int row, int left, int right, int dy) {
    if (row >= 0 && row < kHeight) stack_.push_back(Segment{row, left, right, dy});
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

  while (!stack_.empty()) {
    const Segment s = stack_.back();
    stack_.pop_back();
    TColor* const row = row_at(s.y);
    int px = s.xl;
    int left = 0;
    if (row[px] == old) {
      // A run that starts under the parent: paint it leftwards, and look
      // back at the row behind where it sticks out to the left.
      while (px >= 0 && row[px] == old) row[px--] = paint;
      left = px + 1;
      if (left < s.xl) push(s.y - s.dy, left, s.xl - 1, -s.dy);
      px = s.xl + 1;
    } else {
      while (++px <= s.xr && row[px] != old) {
      }
      if (px > s.xr) continue;
      left = px;
    }
    for (;;) {
      while (px < kWidth && row[px] == old) row[px++] = paint;
      // Run left..px-1 is painted.
      push(s.y + s.dy, left, px - 1, s.dy);
      if (px > s.xr + 1) push(s.y - s.dy, s.xr + 1, px - 1, -s.dy);
      painted += static_cast<std::size_t>(px - left);
      min_x = std::min(min_x, left);
      max_x = std::max(max_x, px - 1);
      min_y = std::min(min_y, s.y);
      max_y = std::max(max_y, s.y);
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
