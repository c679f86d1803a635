// The parts' regions and their twins, the marks and rings, the frame, and
// the hit-map half against the one derived from the visible half.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "asset_view.h"

namespace veldamo::asset_test {
namespace {

const std::vector<Mask>& Regions() {
  static const std::vector<Mask> regions = [] {
    std::vector<Mask> r;
    for (std::int32_t cell = 1; cell <= kCellCount; ++cell) r.push_back(Region(cell));
    return r;
  }();
  return regions;
}

const Mask& RegionOf(std::int32_t cell) { return Regions()[static_cast<std::size_t>(cell - 1)]; }

bool InFrame(int x, int y) { return x == 0 || x == kViewWidth - 1 || y == 0 || y == kHeight - 1; }

// What the 8 neighbours of a grey area show, other than grey: the cells of
// the regions met, and 0 for anything outside every region.
std::set<int> Touches(const Mask& area) {
  std::set<int> met;
  const Surface& s = Asset();
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kViewWidth; ++x) {
      if (!area.Has(x, y)) continue;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx;
          const int ny = y + dy;
          if (s.Pixel(nx, ny) == clGray) continue;
          int cell = 0;
          for (std::int32_t c = 1; c <= kCellCount; ++c) {
            if (RegionOf(c).Has(nx, ny)) cell = c;
          }
          met.insert(cell);
        }
      }
    }
  }
  return met;
}

// The marks each region encloses: grey areas meeting that region alone.
Mask MarksOf(std::int32_t cell) {
  Mask marks;
  for (const Mask& area : GreyAreas(Asset())) {
    if (Touches(area) != std::set<int>{cell}) continue;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kViewWidth; ++x) {
        if (area.Has(x, y)) marks.Add(x, y);
      }
    }
  }
  return marks;
}

TEST(AssetRegions, EachSeedFillsOneSolidPartInItsProperShade) {
  const Surface& s = Asset();
  for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
    SCOPED_TRACE("cell " + std::to_string(cell));
    const CellInfo& info = CellTableEntry(cell);
    const Mask& region = RegionOf(cell);
    const Mask twin = TwinRegion(cell);
    std::printf("cell %2d region %-26s twin %s\n", cell, Describe(region).c_str(),
                Describe(twin).c_str());
    EXPECT_EQ(s.Pixel(info.x, info.y), info.initial_shade == kShadeBlack ? clBlack : clWhite);
    EXPECT_EQ(s.Pixel(info.x + kHitMapOffset, info.y), clRed);
    EXPECT_TRUE(region == FloodSame(s, info.x, info.y, 8)) << "4- and 8-fills differ";
    EXPECT_TRUE(twin == FloodSame(s, info.x + kHitMapOffset, info.y, 8))
        << "4- and 8-fills of the twin differ";
    for (int dy = -3; dy <= 3; ++dy) {
      for (int dx = -3; dx <= 3; ++dx) {
        EXPECT_TRUE(region.Has(info.x + dx, info.y + dy)) << "seed square at " << dx << "," << dy;
        EXPECT_TRUE(twin.Has(info.x + kHitMapOffset + dx, info.y + dy))
            << "twin seed square at " << dx << "," << dy;
      }
    }
  }
}

TEST(AssetRegions, EveryPartPixelBelongsToExactlyOneRegion) {
  const Surface& s = Asset();
  std::vector<Mask> twins;
  for (std::int32_t cell = 1; cell <= kCellCount; ++cell) twins.push_back(TwinRegion(cell));
  int stray = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const TColor c = s.Pixel(x, y);
      const bool visible = x < kViewWidth;
      const bool part = visible ? (c == clBlack || c == clWhite) && !InFrame(x, y) : c == clRed;
      if (!part) continue;
      int owners = 0;
      for (const Mask& r : visible ? Regions() : twins) owners += r.Has(x, y) ? 1 : 0;
      if (owners != 1 && ++stray <= 10) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") lies in " << owners << " regions";
      }
    }
  }
  EXPECT_EQ(stray, 0);
}

TEST(AssetRegions, GreyOrWhiteKeepsRegionsTwoPixelsApart) {
  const Surface& s = Asset();
  for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
    const Mask& region = RegionOf(cell);
    const Mask twin = TwinRegion(cell);
    int faults = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const bool in_twin = twin.Has(x, y);
        if (!region.Has(x, y) && !in_twin) continue;
        // Anything within 2 pixels in x and y is the same region or the separator.
        for (int dy = -2; dy <= 2; ++dy) {
          for (int dx = -2; dx <= 2; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            const bool ok = in_twin ? twin.Has(nx, ny) || s.Pixel(nx, ny) == clWhite
                                    : region.Has(nx, ny) || s.Pixel(nx, ny) == clGray;
            if (!ok && ++faults <= 5) {
              ADD_FAILURE() << "cell " << cell << (in_twin ? " twin" : "") << ": (" << nx
                            << ", " << ny << ") is too close to (" << x << ", " << y << ")";
            }
          }
        }
      }
    }
  }
}

TEST(AssetRegions, FrameIsBlackAndBackgroundReachesItOnAllSides) {
  const Surface& s = Asset();
  const Mask background = FloodSame(s, 1, 1, 4);
  bool reaches[4] = {false, false, false, false};  // left, right, top, bottom
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool visible = x < kViewWidth;
      if (visible && InFrame(x, y)) {
        EXPECT_EQ(s.Pixel(x, y), clBlack) << x << "," << y;
      }
      // The hit map has no frame: its outermost rows and columns are white.
      if (!visible && (x == kHitMapOffset || x == kWidth - 1 || y == 0 || y == kHeight - 1)) {
        EXPECT_EQ(s.Pixel(x, y), clWhite) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(s.Pixel(1, 1), clLime);
  for (int i = 1; i < kHeight - 1; ++i) {
    reaches[0] = reaches[0] || background.Has(1, i);
    reaches[1] = reaches[1] || background.Has(kViewWidth - 2, i);
  }
  for (int i = 1; i < kViewWidth - 1; ++i) {
    reaches[2] = reaches[2] || background.Has(i, 1);
    reaches[3] = reaches[3] || background.Has(i, kHeight - 2);
  }
  for (bool r : reaches) EXPECT_TRUE(r);
}

TEST(AssetRegions, MarksSitInHeadAndEyePatchesAndRingsTouchOnlyHeadAndPatch) {
  const std::vector<Mask> areas = GreyAreas(Asset());
  std::multiset<std::set<int>> kinds;
  for (const Mask& area : areas) {
    const std::set<int> met = Touches(area);
    std::printf("grey area %-28s touches", Describe(area).c_str());
    for (int c : met) std::printf(" %d", c);
    std::printf("\n");
    // The outline network meets the background, and so is one set of its own.
    kinds.insert(met.count(0) != 0 ? std::set<int>{0} : met);
  }
  const std::multiset<std::set<int>> expected = {
      {0},            // the outline network
      {3}, {4}, {5},  // nose and mouth, the two eye marks
      {3, 4}, {3, 5}  // the rings
  };
  EXPECT_EQ(kinds, expected);
}

TEST(AssetRegions, HitMapIsDerivedFromTheVisibleHalf) {
  const Surface& s = Asset();
  Mask red;
  for (std::int32_t cell = 1; cell <= kCellCount; ++cell) {
    const Mask expected = [&] {
      Mask m = RegionOf(cell);
      const Mask marks = MarksOf(cell);
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
          if (marks.Has(x, y)) m.Add(x, y);
        }
      }
      return m.Shifted(kHitMapOffset);
    }();
    EXPECT_TRUE(TwinRegion(cell) == expected)
        << "cell " << cell << ": twin " << Describe(TwinRegion(cell)) << ", region with marks "
        << Describe(expected);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = kHitMapOffset; x < kWidth; ++x) {
        if (expected.Has(x, y)) red.Add(x, y);
      }
    }
  }
  int faults = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = kHitMapOffset; x < kWidth; ++x) {
      const TColor want = red.Has(x, y) ? clRed : clWhite;
      if (s.Pixel(x, y) != want && ++faults <= 10) {
        ADD_FAILURE() << "hit map (" << x << ", " << y << ") differs from its twin";
      }
    }
  }
  EXPECT_EQ(faults, 0);
}

TEST(AssetRegions, LayoutLooksLikeThePanda) {
  const Box left_ear = BoundingBox(RegionOf(1));
  const Box right_ear = BoundingBox(RegionOf(2));
  const Box head = BoundingBox(RegionOf(3));
  const Box body = BoundingBox(RegionOf(6));
  const Box tail = BoundingBox(RegionOf(11));
  EXPECT_GT(RegionOf(1).Count(), RegionOf(2).Count()) << "the left ear is the larger";
  EXPECT_GT(left_ear.bottom, right_ear.bottom) << "the left ear sits lower";
  EXPECT_LT(head.top, body.top) << "the head rests on the body";
  EXPECT_GT(body.bottom - body.top, body.right - body.left) << "the body is an upright oblong";
  EXPECT_GT(tail.left, (body.left + body.right) / 2) << "the tail is at the body's right";
  EXPECT_GT(tail.top, (body.top + body.bottom) / 2) << "the tail is at the body's lower part";
  for (std::int32_t leg : {9, 10}) {
    EXPECT_GT(BoundingBox(RegionOf(leg)).bottom, body.bottom) << "leg " << leg;
  }
  EXPECT_LT(BoundingBox(RegionOf(9)).left, body.left) << "the left leg points out to the left";
  EXPECT_LT(BoundingBox(RegionOf(8)).top, body.top) << "the right arm is raised";
}

TEST(AssetRegions, OnePocketOfBackgroundBetweenLeftArmHeadAndBody) {
  const Surface& s = Asset();
  const Mask outside = FloodSame(s, 1, 1, 4);
  std::vector<Mask> pockets;
  Mask seen = outside;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kViewWidth; ++x) {
      if (s.Pixel(x, y) != clLime || seen.Has(x, y)) continue;
      Mask pocket = FloodSame(s, x, y, 4);
      for (int py = 0; py < kHeight; ++py) {
        for (int px = 0; px < kViewWidth; ++px) {
          if (pocket.Has(px, py)) seen.Add(px, py);
        }
      }
      pockets.push_back(std::move(pocket));
    }
  }
  ASSERT_EQ(pockets.size(), 1u) << "enclosed areas of background";
  std::printf("pocket %s\n", Describe(pockets[0]).c_str());
  // Enclosed by the left arm, the head and the body: one stroke from each.
  const std::vector<int> across = GreyDistances(s, pockets[0], {RegionOf(7), RegionOf(3), RegionOf(6)});
  for (std::size_t i = 0; i < across.size(); ++i) {
    EXPECT_GT(across[i], 0) << "part " << i;
    EXPECT_LE(across[i], 8) << "part " << i;
  }
}

}  // namespace
}  // namespace veldamo::asset_test
