#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "platform/CanvasPictures.h"
#include "platform/graphics/Canvas.h"

namespace platform {
namespace {

using namespace pictures;
using Rows = std::vector<std::string>;

PixelSet InsideRect(const PixelSet& pixels, const TRect& r) {
  PixelSet out;
  for (const auto& p : pixels)
    if (r.Contains({p.first, p.second})) out.insert(p);
  return out;
}

void Line(Canvas& c, TPoint from, TPoint to) {
  c.MoveTo(from.X, from.Y);
  c.LineTo(to.X, to.Y);
}

// --- Lines ---------------------------------------------------------------------------------

TEST(CanvasLines, EndPointIsNotPaintedAndThePenMoves) {
  Scene s(12, 3);
  s.canvas.MoveTo(0, 1);
  s.canvas.LineTo(10, 1);
  PixelSet expected;
  for (int x = 0; x < 10; ++x) expected.insert({x, 1});
  EXPECT_EQ(PixelsOf(s.bitmap), expected);
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{10, 1}));

  s.canvas.LineTo(10, 1);
  EXPECT_EQ(PixelsOf(s.bitmap), expected) << "a line of length 0 paints nothing";

  s.SetPen(1, PenStyle::Clear);
  s.canvas.LineTo(0, 2);
  EXPECT_EQ(PixelsOf(s.bitmap), expected) << "a clear pen paints nothing";
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{0, 2})) << "but still moves";
}

TEST(CanvasLines, EveryDirectionStepsOnePixelPerMajorStepNearTheTrueLine) {
  Scene s(41, 41);
  for (int dy = -9; dy <= 9; ++dy)
    for (int dx = -9; dx <= 9; ++dx) {
      if (dx == 0 && dy == 0) continue;
      s.Clear();
      Line(s.canvas, {20, 20}, {20 + dx, 20 + dy});
      const PixelSet pixels = PixelsOf(s.bitmap);
      const int n = std::max(std::abs(dx), std::abs(dy));
      ASSERT_EQ(pixels.size(), static_cast<std::size_t>(n)) << dx << "," << dy;
      EXPECT_TRUE(pixels.count({20, 20}));
      EXPECT_FALSE(pixels.count({20 + dx, 20 + dy}));
      for (int i = 0; i < n; ++i) {
        const double x = 20 + dx * double(i) / n;
        const double y = 20 + dy * double(i) / n;
        const bool near = std::any_of(pixels.begin(), pixels.end(), [&](const auto& p) {
          return std::abs(p.first - x) <= 0.5 && std::abs(p.second - y) <= 0.5;
        });
        EXPECT_TRUE(near) << dx << "," << dy << " step " << i;
      }
    }
}

TEST(CanvasLines, WidePenPaintsACentredSquareForEveryPixel) {
  const std::vector<TPoint> ends = {{13, 0}, {0, -9}, {11, 4}, {-5, 12}, {7, -7}, {-12, -3}};
  for (int width = 2; width <= 5; ++width)
    for (const TPoint& d : ends) {
      Scene thin(40, 40), wide(40, 40);
      wide.SetPen(width);
      for (Scene* s : {&thin, &wide}) Line(s->canvas, {20, 20}, TPoint{20, 20} + d);
      PixelSet expected;
      for (const auto& [x, y] : PixelsOf(thin.bitmap))
        for (int sy = 0; sy < width; ++sy)
          for (int sx = 0; sx < width; ++sx)
            expected.insert({x - width / 2 + sx, y - width / 2 + sy});
      EXPECT_EQ(PixelsOf(wide.bitmap), expected)
          << "width " << width << " to " << d.X << "," << d.Y;
    }
}

TEST(CanvasLines, FarEndsAreClippedWithoutMovingThePixels) {
  const std::vector<std::pair<TPoint, TPoint>> lines = {
      {{-300, -100}, {300, 113}}, {{37, -140}, {-20, 145}}, {{290, 130}, {-310, -95}}};
  for (int width : {1, 3})
    for (const auto& [a, b] : lines) {
      Scene whole(700, 300), part(40, 30);
      whole.canvas.SetOrigin({350, 150});
      part.canvas.SetOrigin({20, 15});
      for (Scene* s : {&whole, &part}) {
        s->SetPen(width);
        Line(s->canvas, a, b);
      }
      for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
          ASSERT_EQ(part.bitmap.Pixel(x, y), whole.bitmap.Pixel(x + 330, y + 135))
              << "width " << width << " at " << x << "," << y;
    }
}

TEST(CanvasLines, ExtremeCoordinatesStaySafe) {
  Scene s(10, 10);
  s.canvas.SetOrigin({5, 5});
  Line(s.canvas, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX});
  PixelSet diagonal;
  for (int i = 0; i < 10; ++i) diagonal.insert({i, i});
  EXPECT_EQ(PixelsOf(s.bitmap), diagonal);
}

TEST(CanvasLines, PolylineJoinsThePointsAndLeavesTheLastOut) {
  Scene s(8, 6);
  const TPoint points[] = {{1, 1}, {6, 1}, {6, 4}};
  s.canvas.Polyline(points);
  EXPECT_EQ(Art(s.bitmap),
            (Rows{"........", ".PPPPPP.", "......P.", "......P.", "........", "........"}));
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{6, 4}));
  s.canvas.Polyline({});
}

// --- Rectangles ----------------------------------------------------------------------------

TEST(CanvasRectangle, OutlineOnTheEdgesBrushInsideClearPenOnePixelLess) {
  Scene s(8, 6);
  s.canvas.Rectangle({1, 1, 7, 5});
  const Rows framed{"........", ".PPPPPP.", ".PBBBBP.", ".PBBBBP.", ".PPPPPP.", "........"};
  EXPECT_EQ(Art(s.bitmap), framed);

  s.Clear();
  s.canvas.Rectangle({7, 5, 1, 1});
  EXPECT_EQ(Art(s.bitmap), framed) << "inverted corners";

  s.Clear();
  s.SetPen(1, PenStyle::Clear);
  s.canvas.Rectangle({1, 1, 7, 5});
  EXPECT_EQ(Art(s.bitmap),
            (Rows{"........", ".BBBBB..", ".BBBBB..", ".BBBBB..", "........", "........"}));

  s.Clear();
  s.SetPen(1);
  s.SetBrush(BrushStyle::Clear);
  s.canvas.Rectangle({1, 1, 7, 5});
  EXPECT_EQ(Art(s.bitmap),
            (Rows{"........", ".PPPPPP.", ".P....P.", ".P....P.", ".PPPPPP.", "........"}));
}

TEST(CanvasRectangle, WidePenOutlineLiesInsideTheRectangle) {
  Scene s(8, 7);
  s.SetPen(2);
  s.canvas.Rectangle({0, 0, 8, 7});
  EXPECT_EQ(Art(s.bitmap), (Rows{"PPPPPPPP", "PPPPPPPP", "PPBBBBPP", "PPBBBBPP", "PPBBBBPP",
                                 "PPPPPPPP", "PPPPPPPP"}));
  s.SetPen(4);
  s.canvas.Rectangle({0, 0, 8, 7});
  EXPECT_EQ(PixelsOf(s.bitmap, PenColor).size(), 56u) << "a pen this wide leaves no inside";
}

// --- Ellipses and rounded rectangles ---------------------------------------------------------

TEST(CanvasEllipse, PixelsWhoseCentreIsInsideWithAClosedThinOutline) {
  Scene s(6, 4);
  s.canvas.Ellipse({0, 0, 6, 4});
  EXPECT_EQ(Art(s.bitmap), (Rows{".PPPP.", "PBBBBP", "PBBBBP", ".PPPP."}));

  s.Clear();
  s.SetPen(1, PenStyle::Clear);
  s.canvas.Ellipse({0, 0, 6, 4});
  EXPECT_EQ(Art(s.bitmap), (Rows{".BBB..", "BBBBB.", ".BBB..", "......"}));

  // Larger ones: brush never touches the outside, and every pen pixel touches it.
  for (int size = 3; size <= 30; size += 3) {
    Scene e(size + 2, size / 2 + 4);
    e.canvas.Ellipse({1, 1, size + 1, size / 2 + 3});
    const auto outside = [&](int x, int y) { return e.bitmap.Pixel(x, y) == clBlack; };
    for (const auto& [x, y] : PixelsOf(e.bitmap)) {
      const bool touches =
          outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1);
      EXPECT_EQ(touches, e.bitmap.Pixel(x, y) == PenColor) << size << " at " << x << "," << y;
    }
  }
}

TEST(CanvasEllipse, DegenerateBoxesStayInside) {
  Scene s(6, 6);
  s.canvas.Ellipse({2, 2, 2, 5});
  EXPECT_TRUE(PixelsOf(s.bitmap).empty());
  s.canvas.Ellipse({2, 2, 3, 3});
  EXPECT_EQ(PixelsOf(s.bitmap, PenColor), (PixelSet{{2, 2}}));
  s.Clear();
  s.canvas.Ellipse({3, 5, 2, 1});
  EXPECT_EQ(PixelsOf(s.bitmap, PenColor), (PixelSet{{2, 1}, {2, 2}, {2, 3}, {2, 4}}));
  s.Clear();
  s.SetPen(1, PenStyle::Clear);
  s.canvas.Ellipse({1, 1, 3, 3});
  EXPECT_EQ(PixelsOf(s.bitmap), (PixelSet{{1, 1}}));
}

TEST(CanvasEllipse, HugeBoxesCostOnlyTheClip) {
  Scene s(16, 16);
  s.canvas.Ellipse({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_EQ(PixelsOf(s.bitmap, BrushColor).size(), 256u);
}

// Draws shape into a box of w x h at (3, 3) with the given pen and answers what it painted.
using ShapeCall = std::function<void(Canvas&, const TRect&)>;

const std::vector<std::pair<std::string, ShapeCall>>& BoxedShapes() {
  static const std::vector<std::pair<std::string, ShapeCall>> shapes = {
      {"ellipse", [](Canvas& c, const TRect& r) { c.Ellipse(r); }},
      {"round rect 5x3", [](Canvas& c, const TRect& r) { c.RoundRect(r, 5, 3); }},
      {"round rect 9x9", [](Canvas& c, const TRect& r) { c.RoundRect(r, 9, 9); }},
      {"pie top right",
       [](Canvas& c, const TRect& r) {
         c.Pie(r, {r.Right, r.Top + 1}, {r.Left + 1, r.Top});
       }},
      {"pie reflex",
       [](Canvas& c, const TRect& r) {
         c.Pie(r, {r.Left, r.Top}, {r.Right, r.Top + 2});
       }},
      {"pie whole",
       [](Canvas& c, const TRect& r) {
         c.Pie(r, {r.Left, r.Top}, {r.Left, r.Top});
       }},
  };
  return shapes;
}

TEST(CanvasShapes, StayInsideTheirBoxForEverySize) {
  Scene s(30, 30);
  for (const auto& [name, draw] : BoxedShapes())
    for (int pen : {0, 1, 3})
      for (int h = 1; h <= 24; ++h)
        for (int w = 1; w <= 24; ++w) {
          s.Clear();
          s.SetPen(std::max(pen, 1), pen == 0 ? PenStyle::Clear : PenStyle::Solid);
          draw(s.canvas, TRect::FromBounds(3, 3, w, h));
          const int less = pen == 0 ? 1 : 0;
          const TRect inside = TRect::FromBounds(3, 3, w - less, h - less);
          const PixelSet painted = PixelsOf(s.bitmap);
          ASSERT_EQ(InsideRect(painted, inside), painted) << name << " " << w << "x" << h;
          if (name.starts_with("pie")) continue;
          EXPECT_EQ(painted.empty(), inside.IsEmpty()) << name << " " << w << "x" << h;
        }
}

TEST(CanvasShapes, EllipsesAndRoundRectsAreSymmetric) {
  for (int pen : {0, 1, 2})
    for (int h = 1; h <= 24; ++h)
      for (int w = 1; w <= 24; ++w) {
        // The shape fills the bitmap's box; a clear pen takes one more pixel of box.
        Scene s(w, h);
        s.SetPen(std::max(pen, 1), pen == 0 ? PenStyle::Clear : PenStyle::Solid);
        const TRect box{0, 0, w + (pen == 0), h + (pen == 0)};
        for (int k = 0; k < 3; ++k) {
          s.Clear();
          if (k == 0) s.canvas.Ellipse(box);
          if (k == 1) s.canvas.RoundRect(box, 7, 4);
          if (k == 2) s.canvas.RoundRect(box, w / 2 + 1, h);
          const Rows art = Art(s.bitmap);
          Rows mirrored = art;
          for (std::string& row : mirrored) std::reverse(row.begin(), row.end());
          EXPECT_EQ(mirrored, art) << k << " left-right " << w << "x" << h << " pen " << pen;
          EXPECT_EQ(Rows(art.rbegin(), art.rend()), art)
              << k << " top-bottom " << w << "x" << h << " pen " << pen;
        }
      }
}

TEST(CanvasRoundRect, CornersAreQuarterEllipsesOfTheCornerSize) {
  for (const auto& [cw, ch] : std::vector<std::pair<int, int>>{{6, 6}, {10, 4}, {3, 9}, {13, 11}}) {
    Scene round(20, 16);
    round.canvas.RoundRect({0, 0, 20, 16}, cw, ch);
    Scene corner(20, 16);
    corner.canvas.Ellipse({0, 0, cw, ch});
    const TRect quadrant{0, 0, cw / 2, ch / 2};
    EXPECT_EQ(InsideRect(PixelsOf(round.bitmap), quadrant),
              InsideRect(PixelsOf(corner.bitmap), quadrant))
        << cw << "x" << ch;
  }

  Scene a(12, 9), b(12, 9);
  a.canvas.RoundRect({1, 1, 11, 8}, 0, 0);
  b.canvas.Rectangle({1, 1, 11, 8});
  EXPECT_EQ(a.bitmap, b.bitmap) << "no corner is a rectangle";
  a.canvas.RoundRect({1, 1, 11, 8}, 100, 100);
  b.canvas.Ellipse({1, 1, 11, 8});
  EXPECT_EQ(a.bitmap, b.bitmap) << "corners as large as the box make an ellipse";
}

TEST(CanvasShapes, WidePenOutlinesHaveThePenWidth) {
  Scene s(21, 21);
  s.SetPen(3);
  s.canvas.Ellipse({0, 0, 21, 21});
  const Rows art = Art(s.bitmap);
  EXPECT_EQ(art[10], "PPPBBBBBBBBBBBBBBBPPP");
  std::string column;
  for (const std::string& row : art) column += row[10];
  EXPECT_EQ(column, "PPPBBBBBBBBBBBBBBBPPP");
}

// --- Pies ----------------------------------------------------------------------------------

PixelSet PiePixels(TPoint start, TPoint end) {
  Scene s(20, 16);
  s.canvas.Pie({0, 0, 20, 16}, start, end);
  return PixelsOf(s.bitmap);
}

TEST(CanvasPie, QuartersBetweenTheAxesPartitionTheEllipse) {
  Scene e(20, 16);
  e.canvas.Ellipse({0, 0, 20, 16});
  const PixelSet ellipse = PixelsOf(e.bitmap);
  const TPoint right{20, 8}, top{10, 0}, left{0, 8}, bottom{10, 16};

  const PixelSet topRight = PiePixels(right, top);
  EXPECT_EQ(topRight, InsideRect(ellipse, {10, 0, 20, 8})) << "the top-right quarter only";
  const PixelSet topLeft = PiePixels(top, left);
  EXPECT_EQ(topLeft, InsideRect(ellipse, {0, 0, 10, 8}));
  const PixelSet bottomLeft = PiePixels(left, bottom);
  EXPECT_EQ(bottomLeft, InsideRect(ellipse, {0, 8, 10, 16}));
  EXPECT_EQ(PiePixels(bottom, right), InsideRect(ellipse, {10, 8, 20, 16}));

  PixelSet others = topLeft;
  others.insert(bottomLeft.begin(), bottomLeft.end());
  const PixelSet bottomRight = InsideRect(ellipse, {10, 8, 20, 16});
  others.insert(bottomRight.begin(), bottomRight.end());
  EXPECT_EQ(PiePixels(top, right), others) << "three quarters the other way round";
  EXPECT_EQ(PiePixels(top, top), ellipse) << "equal radials";
  EXPECT_EQ(PiePixels({15, 3}, {20, -2}), ellipse) << "radials in one direction";
  EXPECT_EQ(PiePixels({10, 8}, top), ellipse) << "a radial without direction";
}

TEST(CanvasPie, WedgesFollowTheirRadials) {
  // Compares with the angle of every pixel centre, away from the radials themselves.
  const double cx = 15.0, cy = 11.0;
  const auto angle = [&](double x, double y) { return std::atan2(cy - y, x - cx); };
  const std::vector<std::pair<TPoint, TPoint>> radials = {
      {{30, 5}, {3, 0}},  {{2, 20}, {29, 19}},  {{16, 0}, {15, 30}},
      {{0, 10}, {1, 12}}, {{25, 22}, {26, 21}}, {{-40, 90}, {50, 7}}};
  for (const auto& [start, end] : radials) {
    Scene s(30, 22);
    s.SetPen(1, PenStyle::Clear);
    s.canvas.Pie({0, 0, 31, 23}, start, end);
    const double a0 = angle(start.X, start.Y);
    double sweep = angle(end.X, end.Y) - a0;
    while (sweep <= 0) sweep += 2 * std::numbers::pi;
    Scene e(30, 22);
    e.SetPen(1, PenStyle::Clear);
    e.canvas.Ellipse({0, 0, 31, 23});
    for (const auto& [x, y] : PixelsOf(e.bitmap)) {
      double a = angle(x + 0.5, y + 0.5) - a0;
      while (a < 0) a += 2 * std::numbers::pi;
      const double margin = 0.5 / std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (std::abs(a - sweep) < margin || a < margin || 2 * std::numbers::pi - a < margin) continue;
      EXPECT_EQ(s.bitmap.Pixel(x, y) == BrushColor, a < sweep)
          << start.X << "," << start.Y << " to " << end.X << "," << end.Y << " at " << x << ","
          << y;
    }
  }
}

TEST(CanvasPie, OutlineRunsAlongBothRadials) {
  Scene s(20, 16);
  s.canvas.Pie({0, 0, 20, 16}, {20, 8}, {10, 0});
  for (int y = 1; y < 8; ++y) EXPECT_EQ(s.bitmap.Pixel(10, y), PenColor) << "up the left side";
  for (int x = 10; x < 19; ++x) EXPECT_EQ(s.bitmap.Pixel(x, 7), PenColor) << "along the bottom";
  EXPECT_EQ(s.bitmap.Pixel(13, 4), BrushColor);
}

// --- Polygons ------------------------------------------------------------------------------

PixelSet PolygonPixels(std::vector<TPoint> points, int width = 40, int height = 30) {
  Scene s(width, height);
  s.SetPen(1, PenStyle::Clear);
  s.canvas.Polygon(points);
  return PixelsOf(s.bitmap);
}

TEST(CanvasPolygon, FillsPixelCentresInsideThenTheClosedOutline) {
  PixelSet square;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 10; ++x) square.insert({x, y});
  EXPECT_EQ(PolygonPixels({{0, 0}, {10, 0}, {10, 5}, {0, 5}}), square);

  Scene s(8, 6);
  s.canvas.MoveTo(7, 0);
  const TPoint points[] = {{1, 1}, {6, 1}, {6, 4}, {1, 4}};
  s.canvas.Polygon(points);
  EXPECT_EQ(Art(s.bitmap),
            (Rows{"........", ".PPPPPP.", ".PBBBBP.", ".PBBBBP.", ".PPPPPP.", "........"}));
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{7, 0})) << "a polygon leaves the pen where it was";

  s.canvas.Polygon({});
  s.canvas.Polygon(std::span(points, 1));
  s.canvas.Polygon(std::span(points, 2));
}

TEST(CanvasPolygon, NeighboursSharingEdgesCoverEveryPixelOnce) {
  const auto expectPartition = [](const std::vector<std::vector<TPoint>>& parts,
                                  const std::vector<TPoint>& whole) {
    std::map<std::pair<int, int>, int> count;
    for (const auto& part : parts)
      for (const auto& p : PolygonPixels(part)) ++count[p];
    PixelSet covered;
    for (const auto& [p, n] : count) {
      EXPECT_EQ(n, 1) << "pixel " << p.first << "," << p.second;
      covered.insert(p);
    }
    EXPECT_EQ(covered, PolygonPixels(whole));
  };
  expectPartition({{{0, 0}, {20, 0}, {20, 13}}, {{0, 0}, {20, 13}, {0, 13}}},
                  {{0, 0}, {20, 0}, {20, 13}, {0, 13}});

  const TPoint centre{17, 11};
  const std::vector<TPoint> ring = {{3, 2},   {15, 0},  {31, 4}, {38, 12}, {33, 25},
                                    {22, 29}, {12, 27}, {2, 21}, {0, 9}};
  std::vector<std::vector<TPoint>> fan;
  for (std::size_t i = 0; i < ring.size(); ++i)
    fan.push_back({centre, ring[i], ring[(i + 1) % ring.size()]});
  expectPartition(fan, ring);
}

TEST(CanvasPolygon, AlternateFillingOfConcaveAndCrossingOutlines) {
  const PixelSet u =
      PolygonPixels({{0, 0}, {9, 0}, {9, 9}, {6, 9}, {6, 3}, {3, 3}, {3, 9}, {0, 9}});
  EXPECT_TRUE(u.count({1, 5}) && u.count({7, 5}) && u.count({4, 1}));
  EXPECT_FALSE(u.count({4, 5})) << "the notch of the U";

  const PixelSet bowtie = PolygonPixels({{0, 0}, {10, 10}, {10, 0}, {0, 10}});
  EXPECT_TRUE(bowtie.count({0, 1}) && bowtie.count({9, 1}) && bowtie.count({1, 5}));
  EXPECT_FALSE(bowtie.count({5, 1})) << "between the crossing edges";

  // A five-pointed star drawn in one stroke: its centre is crossed twice, so stays empty.
  std::vector<TPoint> star;
  for (int i = 0; i < 5; ++i) {
    const double a = std::numbers::pi / 2 + i * 4 * std::numbers::pi / 5;
    star.push_back({static_cast<int>(std::lround(20 + 14 * std::cos(a))),
                    static_cast<int>(std::lround(15 - 14 * std::sin(a)))});
  }
  const PixelSet filled = PolygonPixels(star);
  EXPECT_FALSE(filled.count({19, 15}));
  EXPECT_TRUE(filled.count({19, 4})) << "the top point";
}

// --- Origin and clip -----------------------------------------------------------------------

TEST(CanvasShapes, EveryShapeHonoursOriginAndClip) {
  // Each shape is drawn offset by o, with a pen of the given width.
  const struct {
    const char* name;
    int pen;
    std::function<void(Canvas&, TPoint)> draw;
  } shapes[] = {
      {"line", 1,
       [](Canvas& c, TPoint o) {
         Line(c, o + TPoint{-3, 2}, o + TPoint{37, 24});
       }},
      {"wide line", 4,
       [](Canvas& c, TPoint o) {
         Line(c, o + TPoint{35, 1}, o + TPoint{2, 27});
       }},
      {"rectangle", 1,
       [](Canvas& c, TPoint o) {
         c.Rectangle(TRect{2, 3, 36, 25}.Offset(o));
       }},
      {"round rect", 1,
       [](Canvas& c, TPoint o) {
         c.RoundRect(TRect{2, 3, 36, 25}.Offset(o), 12, 8);
       }},
      {"wide ellipse", 3,
       [](Canvas& c, TPoint o) {
         c.Ellipse(TRect{1, 1, 39, 29}.Offset(o));
       }},
      {"pie", 1,
       [](Canvas& c, TPoint o) {
         c.Pie(TRect{1, 1, 39, 29}.Offset(o), o + TPoint{39, 20}, o + TPoint{5, 0});
       }},
      {"polygon", 1,
       [](Canvas& c, TPoint o) {
         const TPoint points[] = {o + TPoint{1, 1}, o + TPoint{38, 9}, o + TPoint{4, 28}};
         c.Polygon(points);
       }},
  };
  Region clip(TRect{4, 4, 30, 22});
  clip.Exclude({10, 8, 20, 14});
  for (const auto& [name, pen, draw] : shapes) {
    Scene plain(40, 30), moved(40, 30), clipped(40, 30);
    for (Scene* s : {&plain, &moved, &clipped}) s->SetPen(pen);
    moved.canvas.SetOrigin({5, 3});
    clipped.canvas.SetClipRegion(clip);
    draw(plain.canvas, {0, 0});
    draw(moved.canvas, {-5, -3});
    draw(clipped.canvas, {0, 0});
    EXPECT_EQ(moved.bitmap, plain.bitmap) << name;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        ASSERT_EQ(clipped.bitmap.Pixel(x, y),
                  clip.Contains({x, y}) ? plain.bitmap.Pixel(x, y) : clBlack)
            << name << " at " << x << "," << y;
  }
}

TEST(CanvasShapes, PenAndBrushColoursAreResolved) {
  Scene s(6, 6);
  s.canvas.GetPen().Color = clBtnShadow;
  s.canvas.GetBrush().Color = clInfoBk;
  s.canvas.Rectangle({0, 0, 6, 6});
  EXPECT_EQ(s.bitmap.Pixel(0, 0), 0x808080u);
  EXPECT_EQ(s.bitmap.Pixel(3, 3), 0xE1FFFFu);
}

}  // namespace
}  // namespace platform
