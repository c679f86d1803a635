#include "panda/drawing.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "panda/hit_map.h"
#include "panda/shapes.h"
#include "puzzle/board.h"

namespace veldamo::panda {

namespace {

// Cell numbers of the parts.
constexpr std::uint8_t kLeftEar = 1;
constexpr std::uint8_t kRightEar = 2;
constexpr std::uint8_t kHead = 3;
constexpr std::uint8_t kLeftEye = 4;
constexpr std::uint8_t kRightEye = 5;
constexpr std::uint8_t kBody = 6;
constexpr std::uint8_t kLeftArm = 7;
constexpr std::uint8_t kRightArm = 8;
constexpr std::uint8_t kLeftLeg = 9;
constexpr std::uint8_t kRightLeg = 10;
constexpr std::uint8_t kTail = 11;

// Half the width of an outline stroke.
constexpr double kOutlineReach = 2.0;
// Leftover scraps of a part or of the background smaller than this, cut off
// by outline strokes, become outline.
constexpr std::size_t kScrapLimit = 16;

void PaintMarks(IndexRaster& picture) {
  // Eye marks: small ovals inside the eye patches.
  Paint(picture, Ellipse{{82, 74}, 6, 3.5, -20}, kGrey);
  Paint(picture, Ellipse{{113, 71}, 6, 3.5, 20}, kGrey);
  // The nose, a small triangle, and the mouth joined to its tip.
  Paint(picture, Polygon{{{91.5, 88}, {106.5, 88}, {99, 97}}}, kGrey);
  Paint(picture, Stroke{{{99, 95}, {99, 100}}, 1.2, 1.2}, kGrey);
  Paint(picture, Stroke{Bezier({99, 100}, {97, 104}, {91, 105}, {88, 101}, 12), 1.2, 1.2}, kGrey);
  Paint(picture, Stroke{Bezier({99, 100}, {101, 104}, {107, 105}, {110, 101}, 12), 1.2, 1.2},
        kGrey);
}

std::uint8_t ShadeIndex(std::uint8_t cell) {
  return CellTableEntry(cell).initial_shade == kShadeBlack ? kBlack : kWhite;
}

// Turns small areas of part or background colour that the strokes cut off
// from their part into outline, so each part stays one area.
void GreyScraps(IndexRaster& picture) {
  const std::vector<Grid<bool>> parts = PartRegions(picture);
  Grid<bool> settled = RegionAt(picture, 1, 1);  // the background around the panda
  for (int y = 1; y + 1 < kHeight; ++y) {
    for (int x = 1; x + 1 < kHalfWidth; ++x) {
      if (settled.At(x, y) || picture.At(x, y) == kGrey) continue;
      bool in_part = false;
      for (const Grid<bool>& r : parts) in_part = in_part || r.At(x, y);
      if (in_part) continue;
      const Grid<bool> area = RegionAt(picture, x, y);
      std::vector<std::pair<int, int>> pixels;
      for (int ay = 0; ay < kHeight; ++ay) {
        for (int ax = 0; ax < kHalfWidth; ++ax) {
          if (area.At(ax, ay)) pixels.emplace_back(ax, ay);
        }
      }
      const bool scrap = pixels.size() < kScrapLimit;
      for (const auto& [ax, ay] : pixels) {
        settled.Set(ax, ay, true);
        if (scrap) picture.Set(ax, ay, kGrey);
      }
    }
  }
}

}  // namespace

LabelMap PandaLabels() {
  LabelMap labels(kHalfWidth, kHeight, kBackground);
  // Back to front: ears, tail, arms and legs lie behind the body and head.
  Paint(labels, Ellipse{{51, 37}, 18, 20, -30}, kLeftEar);
  Paint(labels, Ellipse{{131, 33}, 16, 15, 20}, kRightEar);
  Paint(labels, Ellipse{{159, 213}, 14, 10.5, 0}, kTail);
  // The left arm curls up from the shoulder so that the hand rests on the head.
  Paint(labels, Stroke{Bezier({88, 132}, {46, 148}, {28, 104}, {64, 91}, 40), 13, 10}, kLeftArm);
  // The right arm waves up and out.
  Paint(labels, Stroke{Bezier({136, 140}, {150, 126}, {162, 108}, {172, 90}, 20), 12, 10},
        kRightArm);
  Paint(labels, Ellipse{{174, 88}, 11, 13, 25}, kRightArm);
  // Legs: the left one steps out to the lower left; each ends in a foot.
  Paint(labels, Stroke{Bezier({88, 216}, {80, 230}, {70, 242}, {62, 250}, 12), 16, 13}, kLeftLeg);
  Paint(labels, Ellipse{{50, 258}, 17, 10.5, 25}, kLeftLeg);
  Paint(labels, Stroke{Bezier({124, 224}, {122, 240}, {118, 252}, {117, 264}, 12), 16, 13},
        kRightLeg);
  Paint(labels, Ellipse{{122, 273}, 20, 10.5, 0}, kRightLeg);
  Paint(labels, Egg({110, 172}, 40, 50, 67), kBody);
  Paint(labels, Ellipse{{98, 75}, 42, 40, 0}, kHead);
  Paint(labels, Ellipse{{79.5, 75}, 11, 18, 25}, kLeftEye);
  Paint(labels, Ellipse{{116, 72}, 11, 18, -25}, kRightEye);
  return labels;
}

Grid<bool> Boundaries(const LabelMap& labels, double reach) {
  std::vector<std::pair<int, int>> offsets;
  const int r = static_cast<int>(reach);
  for (int dy = -r; dy <= r; ++dy) {
    for (int dx = -r; dx <= r; ++dx) {
      if (dx * dx + dy * dy <= reach * reach) offsets.emplace_back(dx, dy);
    }
  }
  Grid<bool> grey(labels.Width(), labels.Height(), false);
  for (int y = 0; y < labels.Height(); ++y) {
    for (int x = 0; x < labels.Width(); ++x) {
      const std::uint8_t own = labels.At(x, y);
      for (const auto& [dx, dy] : offsets) {
        const int nx = x + dx;
        const int ny = y + dy;
        // Beyond the edge counts as background.
        const std::uint8_t other = labels.Inside(nx, ny) ? labels.At(nx, ny) : kBackground;
        if (other != own) {
          grey.Set(x, y, true);
          break;
        }
      }
    }
  }
  return grey;
}

IndexRaster DrawVisibleHalf() {
  const LabelMap labels = PandaLabels();
  const Grid<bool> grey = Boundaries(labels, kOutlineReach);
  IndexRaster picture = BlankPicture();
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kHalfWidth; ++x) {
      const std::uint8_t label = labels.At(x, y);
      std::uint8_t colour = label == kBackground ? kLime : ShadeIndex(label);
      if (grey.At(x, y)) colour = kGrey;
      picture.Set(x, y, colour);
    }
  }
  GreyScraps(picture);
  PaintMarks(picture);
  for (int x = 0; x < kHalfWidth; ++x) {
    picture.Set(x, 0, kBlack);
    picture.Set(x, kHeight - 1, kBlack);
  }
  for (int y = 0; y < kHeight; ++y) {
    picture.Set(0, y, kBlack);
    picture.Set(kHalfWidth - 1, y, kBlack);
  }
  return picture;
}

IndexRaster DrawPicture() {
  IndexRaster picture = DrawVisibleHalf();
  DeriveHitMap(picture);
  return picture;
}

}  // namespace veldamo::panda
