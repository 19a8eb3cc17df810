#include "platform/graphics/SpanRows.h"

#include <algorithm>
#include <cmath>

namespace platform::raster {

namespace {

int IntSqrt(int n) {
  int r = static_cast<int>(std::sqrt(static_cast<double>(n)));
  while (r * r > n) --r;
  while ((r + 1) * (r + 1) <= n) ++r;
  return r;
}

// out := the spans of acc that also lie in row shrunk by inset on both sides.
void IntersectInset(const std::vector<Span>& acc, std::span<const Span> row, int inset,
                    std::vector<Span>& out) {
  out.clear();
  auto a = acc.begin();
  auto b = row.begin();
  while (a != acc.end() && b != row.end()) {
    const int bx0 = b->X0 + inset;
    const int bx1 = b->X1 - inset;
    const int x0 = std::max(a->X0, bx0);
    const int x1 = std::min(a->X1, bx1);
    if (x0 < x1) out.push_back({x0, x1});
    if (a->X1 < bx1)
      ++a;
    else
      ++b;
  }
}

}  // namespace

std::span<const Span> SpanRows::Row(int y) const {
  const long long index = static_cast<long long>(y) - top_;
  if (index < 0 || index >= static_cast<long long>(rowEnds_.size())) return {};
  const std::size_t i = static_cast<std::size_t>(index);
  const std::size_t first = i == 0 ? 0 : rowEnds_[i - 1];
  return std::span<const Span>(spans_).subspan(first, rowEnds_[i] - first);
}

void SpanRows::Add(int x0, int x1) {
  if (x1 <= x0) return;
  const std::size_t rowStart = rowEnds_.empty() ? 0 : rowEnds_.back();
  if (spans_.size() > rowStart && x0 <= spans_.back().X1) {
    spans_.back().X1 = std::max(spans_.back().X1, x1);
    return;
  }
  spans_.push_back({x0, x1});
}

SpanRows Interior(const SpanRows& shape, int width) {
  // How far the disc reaches sideways d rows above or below its centre.
  std::vector<int> reach(static_cast<std::size_t>(width) + 1);
  for (int d = 0; d <= width; ++d) reach[d] = IntSqrt(width * width - d * d);

  SpanRows interior(shape.Top());
  std::vector<Span> acc;
  std::vector<Span> next;
  for (int y = shape.Top(); y < shape.Bottom(); ++y) {
    acc.clear();
    for (const Span& s : shape.Row(y))
      if (s.X1 - s.X0 > 2 * width) acc.push_back({s.X0 + width, s.X1 - width});
    for (int d = 1; d <= width && !acc.empty(); ++d) {
      IntersectInset(acc, shape.Row(y - d), reach[d], next);
      IntersectInset(next, shape.Row(y + d), reach[d], acc);
    }
    for (const Span& s : acc) interior.Add(s.X0, s.X1);
    interior.EndRow();
  }
  return interior;
}

SpanRows Difference(const SpanRows& a, const SpanRows& b) {
  SpanRows out(a.Top());
  for (int y = a.Top(); y < a.Bottom(); ++y) {
    const std::span<const Span> cut = b.Row(y);
    auto c = cut.begin();
    for (const Span& s : a.Row(y)) {
      int x = s.X0;
      while (c != cut.end() && c->X1 <= x) ++c;
      for (auto k = c; k != cut.end() && k->X0 < s.X1; ++k) {
        out.Add(x, k->X0);
        x = std::max(x, k->X1);
      }
      out.Add(x, s.X1);
    }
    out.EndRow();
  }
  return out;
}

}  // namespace platform::raster
