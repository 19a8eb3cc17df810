#include "platform/graphics/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

namespace platform::raster {

namespace {

using i64 = std::int64_t;

// Beyond every window: stands for the open end of a half row.
constexpr i64 Unbounded = i64{1} << 40;

i64 FloorDiv(i64 a, i64 b) {
  i64 q = a / b;
  if (a % b != 0 && (a < 0) != (b < 0)) --q;
  return q;
}

i64 CeilDiv(i64 a, i64 b) {
  return -FloorDiv(-a, b);
}

int Saturate(i64 v) {
  return static_cast<int>(std::clamp<i64>(v, -CoordinateLimit, CoordinateLimit));
}

// Builds the rows [top, bottom) that lie in the window: spansOfRow(y, add) calls add(x0, x1)
// for the spans of row y from left to right, and add keeps what lies in the window.
template <typename SpansOfRow>
SpanRows Scan(i64 top, i64 bottom, const TRect& window, SpansOfRow spansOfRow) {
  const int first = static_cast<int>(std::max<i64>(top, window.Top));
  const int last = static_cast<int>(std::min<i64>(bottom, window.Bottom));
  SpanRows rows(first);
  const auto add = [&rows, &window](i64 x0, i64 x1) {
    rows.Add(static_cast<int>(std::clamp<i64>(x0, window.Left, window.Right)),
             static_cast<int>(std::clamp<i64>(x1, window.Left, window.Right)));
  };
  for (int y = first; y < last; ++y) {
    spansOfRow(y, add);
    rows.EndRow();
  }
  return rows;
}

// The columns [first, end), relative to the box, of row k of the pixels inside a w x h
// ellipse. In doubled coordinates from the centre a pixel centre is
// (u, v) = (2c + 1 - w, 2k + 1 - h), inside when (u / w)^2 + (v / h)^2 <= 1; the sums are
// exact for every box that fits a bitmap, so ties fall the same way on both sides.
std::pair<i64, i64> EllipseRow(i64 w, i64 h, i64 k) {
  const double v = static_cast<double>(2 * k + 1 - h);
  const double hh = static_cast<double>(h) * static_cast<double>(h);
  const double ww = static_cast<double>(w) * static_cast<double>(w);
  const double reach = std::sqrt(std::max(0.0, hh - v * v) * ww) / static_cast<double>(h);
  const i64 u = std::min(w, static_cast<i64>(reach));
  return {CeilDiv(w - 1 - u, 2), FloorDiv(w - 1 + u, 2) + 1};
}

// Pie geometry in doubled coordinates relative to the doubled centre, y pointing up, so
// that pixel centres and the centre are whole numbers.
struct Vec {
  i64 X = 0;
  i64 Y = 0;
};

i64 Cross(Vec a, Vec b) {
  return a.X * b.Y - a.Y * b.X;
}
i64 Dot(Vec a, Vec b) {
  return a.X * b.X + a.Y * b.Y;
}

struct Columns {
  i64 From = 0;
  i64 To = 0;
};

constexpr Columns AllColumns{-Unbounded, Unbounded};
constexpr Columns NoColumns{Unbounded, -Unbounded};

// The columns of the row at height yUp whose pixel centres p = (2x + 1 - cx2, yUp) lie
// within the half turn counter-clockwise from a: cross(a, p) >= 0.
Columns HalfTurnFrom(Vec a, i64 yUp, i64 cx2) {
  const i64 q = a.X * yUp;  // cross(a, p) >= 0  <=>  a.Y * p.X <= q
  if (a.Y == 0) return q >= 0 ? AllColumns : NoColumns;
  if (a.Y > 0) return {-Unbounded, FloorDiv(FloorDiv(q, a.Y) + cx2 - 1, 2) + 1};
  return {CeilDiv(CeilDiv(q, a.Y) + cx2 - 1, 2), Unbounded};
}

}  // namespace

TPoint ToDevice(TPoint logical, TPoint origin) {
  return {Saturate(i64{logical.X} + origin.X), Saturate(i64{logical.Y} + origin.Y)};
}

TRect ToDevice(const TRect& logical, TPoint origin) {
  return {Saturate(i64{logical.Left} + origin.X), Saturate(i64{logical.Top} + origin.Y),
          Saturate(i64{logical.Right} + origin.X), Saturate(i64{logical.Bottom} + origin.Y)};
}

TRect Normalised(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}

SpanRows RectangleRows(const TRect& box, const TRect& window) {
  return Scan(box.Top, box.Bottom, window, [&box](int, auto add) { add(box.Left, box.Right); });
}

SpanRows EllipseRows(const TRect& box, const TRect& window) {
  return Scan(box.Top, box.Bottom, window, [&box](int y, auto add) {
    const auto [first, end] = EllipseRow(box.Width(), box.Height(), y - box.Top);
    add(box.Left + first, box.Left + end);
  });
}

SpanRows RoundRectRows(const TRect& box, int cornerWidth, int cornerHeight, const TRect& window) {
  if (box.IsEmpty()) return SpanRows(window.Top);
  const i64 cw = std::clamp(cornerWidth, 0, box.Width());
  const i64 ch = std::clamp(cornerHeight, 0, box.Height());
  if (cw == 0 || ch == 0) return RectangleRows(box, window);
  return Scan(box.Top, box.Bottom, window, [&](int y, auto add) {
    // Rows within half a corner of the top or bottom follow the corner ellipse.
    const i64 k = std::min(y - box.Top, box.Bottom - 1 - y);
    if (k >= ch / 2) {
      add(box.Left, box.Right);
      return;
    }
    const auto [first, end] = EllipseRow(cw, ch, k);
    add(box.Left + first, box.Right - (cw - end));
  });
}

SpanRows PieRows(const TRect& box, TPoint start, TPoint end, const TRect& window) {
  const i64 cx2 = i64{box.Left} + box.Right;
  const i64 cy2 = i64{box.Top} + box.Bottom;
  const Vec from{2 * i64{start.X} - cx2, cy2 - 2 * i64{start.Y}};
  const Vec to{2 * i64{end.X} - cx2, cy2 - 2 * i64{end.Y}};
  // cross(p, to) >= 0, the half turn clockwise from `to`, is the half turn from -to.
  const Vec beforeTo{-to.X, -to.Y};
  const i64 turn = Cross(from, to);
  const bool degenerate = (from.X == 0 && from.Y == 0) || (to.X == 0 && to.Y == 0);
  const bool whole = degenerate || (turn == 0 && Dot(from, to) > 0);
  const bool reflex = turn < 0;
  return Scan(box.Top, box.Bottom, window, [&](int y, auto add) {
    const auto [first, last] = EllipseRow(box.Width(), box.Height(), y - box.Top);
    const i64 x0 = box.Left + first;
    const i64 x1 = box.Left + last;
    if (whole) {
      add(x0, x1);
      return;
    }
    const i64 yUp = cy2 - 2 * i64{y} - 1;
    Columns a = HalfTurnFrom(from, yUp, cx2);
    Columns b = HalfTurnFrom(beforeTo, yUp, cx2);
    if (!reflex) {
      add(std::max({x0, a.From, b.From}), std::min({x1, a.To, b.To}));
      return;
    }
    // More than half a turn: the union of the two half turns.
    if (b.From < a.From) std::swap(a, b);
    add(std::max(x0, a.From), std::min(x1, a.To));
    add(std::max(x0, b.From), std::min(x1, b.To));
  });
}

SpanRows PolygonRows(std::span<const TPoint> points, const TRect& window) {
  struct Edge {
    i64 X0, Y0, X1, Y1;  // Y0 < Y1
  };
  std::vector<Edge> edges;
  i64 top = std::numeric_limits<i64>::max();
  i64 bottom = std::numeric_limits<i64>::min();
  for (std::size_t i = 0; i < points.size(); ++i) {
    TPoint a = points[i];
    TPoint b = points[(i + 1) % points.size()];
    if (a.Y == b.Y) continue;
    if (a.Y > b.Y) std::swap(a, b);
    edges.push_back({a.X, a.Y, b.X, b.Y});
    top = std::min<i64>(top, a.Y);
    bottom = std::max<i64>(bottom, b.Y);
  }
  if (edges.empty()) return SpanRows(window.Top);

  std::vector<i64> crossings;
  return Scan(top, bottom, window, [&](int y, auto add) {
    crossings.clear();
    for (const Edge& e : edges) {
      if (y < e.Y0 || y >= e.Y1) continue;
      // The first pixel whose centre is not left of where the edge crosses y + 1/2.
      const i64 dy = e.Y1 - e.Y0;
      crossings.push_back(
          CeilDiv(2 * e.X0 * dy + (2 * (y - e.Y0) + 1) * (e.X1 - e.X0) - dy, 2 * dy));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) add(crossings[i], crossings[i + 1]);
  });
}

SpanRows LineRows(TPoint a, TPoint b, int width, const TRect& window) {
  const i64 dx = i64{b.X} - a.X;
  const i64 dy = i64{b.Y} - a.Y;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const i64 n = std::max(std::abs(dx), std::abs(dy));
  const int half = width / 2;

  // Only the steps whose square reaches into the window along the major axis are walked.
  const i64 start = xMajor ? a.X : a.Y;
  const i64 step = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const i64 lo = i64{xMajor ? window.Left : window.Top} + half - width + 1;
  const i64 hi = i64{xMajor ? window.Right : window.Bottom} - 1 + half;
  const i64 first = std::max<i64>(0, step > 0 ? lo - start : start - hi);
  const i64 last = std::min(n - 1, step > 0 ? hi - start : start - lo);
  if (window.IsEmpty() || first > last) return SpanRows(window.Top);

  // Bresenham: the minor offset at step i is i * minorDelta / n, halves rounded up.
  const i64 minorStart = xMajor ? a.Y : a.X;
  const i64 minorDelta = std::abs(xMajor ? dy : dx);
  const i64 minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
  i64 numerator = 2 * first * minorDelta + n;
  i64 minor = numerator / (2 * n);
  i64 rest = numerator % (2 * n);
  std::vector<TPoint> pixels;
  pixels.reserve(static_cast<std::size_t>(last - first + 1));
  for (i64 i = first; i <= last; ++i) {
    const int major = static_cast<int>(start + step * i);
    const int across = static_cast<int>(minorStart + minorStep * minor);
    pixels.push_back(xMajor ? TPoint{major, across} : TPoint{across, major});
    rest += 2 * minorDelta;
    if (rest >= 2 * n) {
      rest -= 2 * n;
      ++minor;
    }
  }

  // The leftmost and rightmost pixel of each row the line passes; its rows are contiguous.
  const int lowest = std::min(pixels.front().Y, pixels.back().Y);
  const int highest = std::max(pixels.front().Y, pixels.back().Y);
  std::vector<std::pair<int, int>> extent(
      static_cast<std::size_t>(highest - lowest) + 1,
      {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()});
  for (const TPoint& p : pixels) {
    auto& [left, right] = extent[static_cast<std::size_t>(p.Y - lowest)];
    left = std::min(left, p.X);
    right = std::max(right, p.X);
  }

  // Row y is covered by the squares of the pixels in rows y + half - width + 1 .. y + half;
  // the line is monotonic, so its extremes there come from the first and last of them.
  return Scan(i64{lowest} - half, i64{highest} - half + width, window, [&](int y, auto add) {
    const auto& top =
        extent[static_cast<std::size_t>(std::max(y + half - width + 1, lowest) - lowest)];
    const auto& bottom = extent[static_cast<std::size_t>(std::min(y + half, highest) - lowest)];
    add(i64{std::min(top.first, bottom.first)} - half,
        i64{std::max(top.second, bottom.second)} - half + width);
  });
}

}  // namespace platform::raster
