#include "platform/graphics/Region.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace platform {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Pixels(const Region& r) {
  PixelSet out;
  for (const TRect& rect : r.Rects())
    for (int y = rect.Top; y < rect.Bottom; ++y)
      for (int x = rect.Left; x < rect.Right; ++x) out.insert({x, y});
  return out;
}

PixelSet Pixels(const TRect& rect) {
  return Pixels(Region(rect));
}

// A banded list: rectangles disjoint, sorted by top then left, bands equal in top and bottom.
void ExpectBanded(const Region& r) {
  const auto& rects = r.Rects();
  for (std::size_t i = 0; i < rects.size(); ++i) {
    EXPECT_FALSE(rects[i].IsEmpty());
    for (std::size_t j = i + 1; j < rects.size(); ++j) {
      EXPECT_FALSE(rects[i].Intersects(rects[j]));
      const bool sameBand = rects[i].Top == rects[j].Top;
      if (sameBand) {
        EXPECT_EQ(rects[i].Bottom, rects[j].Bottom);
        EXPECT_LT(rects[i].Right, rects[j].Left) << "touching spans are merged";
      } else {
        EXPECT_LE(rects[i].Bottom, rects[j].Top);
      }
    }
  }
}

TEST(Region, EmptyRectanglesGiveEmptyRegion) {
  EXPECT_TRUE(Region(TRect{5, 5, 5, 10}).IsEmpty());
  EXPECT_TRUE(Region(TRect{5, 5, 2, 10}).IsEmpty());
  EXPECT_EQ(Region().Bounds(), TRect{});
}

TEST(Region, ContainsExcludesRightAndBottomEdges) {
  const Region r(TRect{0, 0, 10, 5});
  EXPECT_TRUE(r.Contains({0, 0}));
  EXPECT_TRUE(r.Contains({9, 4}));
  EXPECT_FALSE(r.Contains({10, 4}));
  EXPECT_FALSE(r.Contains({9, 5}));
  EXPECT_FALSE(r.Contains({-1, 0}));
}

TEST(Region, UnionOfTouchingRectanglesMerges) {
  Region r(TRect{0, 0, 10, 10});
  r.Include({10, 0, 20, 10});
  EXPECT_EQ(r.Rects(), (std::vector<TRect>{{0, 0, 20, 10}}));
  r.Include({0, 10, 20, 15});
  EXPECT_EQ(r.Rects(), (std::vector<TRect>{{0, 0, 20, 15}}));
}

TEST(Region, DifferenceCutsAHole) {
  Region r(TRect{0, 0, 10, 10});
  r.Exclude({3, 3, 6, 6});
  EXPECT_EQ(Pixels(r).size(), 100u - 9u);
  EXPECT_FALSE(r.Contains({3, 3}));
  EXPECT_TRUE(r.Contains({6, 6}));
  EXPECT_EQ(r.Bounds(), (TRect{0, 0, 10, 10}));
  ExpectBanded(r);
  EXPECT_EQ(r.Rects().size(), 4u);  // top band, two sides, bottom band
}

TEST(Region, IntersectAndOffset) {
  const Region a(TRect{0, 0, 10, 10});
  const Region b(TRect{5, 5, 15, 15});
  EXPECT_EQ(a.Intersect(b).Rects(), (std::vector<TRect>{{5, 5, 10, 10}}));
  EXPECT_EQ(a.Offset(3, -2).Bounds(), (TRect{3, -2, 13, 8}));
  EXPECT_TRUE(a.Intersect(Region(TRect{20, 20, 30, 30})).IsEmpty());
  EXPECT_TRUE(a.Intersects({9, 9, 12, 12}));
  EXPECT_FALSE(a.Intersects({10, 0, 12, 12}));
}

TEST(Region, BandAtFindsTheRowsRectangles) {
  Region r(TRect{0, 0, 10, 10});
  r.Exclude({3, 3, 6, 6});
  EXPECT_EQ(r.BandAt(4).size(), 2u);
  EXPECT_EQ(r.BandAt(0).size(), 1u);
  EXPECT_TRUE(r.BandAt(10).empty());
  EXPECT_TRUE(r.BandAt(-1).empty());
}

// One-pixel runs cut out of a region one by one, as the masked border painter does.
TEST(Region, ManySmallCutsStayBandedAndExact) {
  Region r(TRect{0, 0, 40, 20});
  PixelSet expected = Pixels(TRect{0, 0, 40, 20});
  for (int y = 0; y < 20; y += 2)
    for (int x = y % 3; x < 40; x += 5) {
      r.Exclude({x, y, x + 2, y + 1});
      for (int k = x; k < std::min(x + 2, 40); ++k) expected.erase({k, y});
    }
  EXPECT_EQ(Pixels(r), expected);
  ExpectBanded(r);
}

TEST(Region, RandomOperationsMatchPixelSets) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coord(-5, 25);
  auto randomRect = [&] {
    const int l = coord(random), t = coord(random);
    return TRect{l, t, l + coord(random) / 2 + 1, t + coord(random) / 2 + 1};
  };
  for (int round = 0; round < 200; ++round) {
    Region a, b;
    PixelSet pa, pb;
    std::vector<TRect> partsOfA;
    for (int i = 0; i < 4; ++i) {
      const TRect ra = randomRect(), rb = randomRect();
      partsOfA.push_back(ra);
      a.Include(ra);
      b.Include(rb);
      for (auto p : Pixels(ra)) pa.insert(p);
      for (auto p : Pixels(rb)) pb.insert(p);
    }
    PixelSet uni = pa, diff, inter;
    uni.insert(pb.begin(), pb.end());
    for (auto p : pa) (pb.count(p) ? inter : diff).insert(p);

    ASSERT_EQ(Pixels(a), pa);
    ASSERT_EQ(Region::FromRects(partsOfA), a) << "one sweep builds the list adding one by one does";
    ASSERT_EQ(Pixels(a.Union(b)), uni);
    ASSERT_EQ(Pixels(a.Difference(b)), diff);
    ASSERT_EQ(Pixels(a.Intersect(b)), inter);
    ExpectBanded(a.Union(b));
    ExpectBanded(a.Difference(b));
    // Equal sets have equal lists.
    EXPECT_EQ(a.Union(b), b.Union(a));
  }
}

}  // namespace
}  // namespace platform
