#include "platform/graphics/Region.h"

#include <algorithm>

namespace platform {

namespace {

struct Span {
  int left;
  int right;
  friend bool operator==(const Span&, const Span&) = default;
};

// Walks a banded rectangle list from top to bottom and answers the spans of the band that
// covers a given row; rows must be asked for in increasing order.
class BandCursor {
 public:
  explicit BandCursor(const std::vector<TRect>& rects) : rects_(rects) {}

  std::vector<Span> SpansAt(int y) {
    // Bands do not overlap and are sorted by top, so they are sorted by bottom too.
    while (next_ < rects_.size() && rects_[next_].Bottom <= y) ++next_;
    std::vector<Span> spans;
    for (std::size_t i = next_; i < rects_.size() && rects_[i].Top <= y; ++i)
      spans.push_back({rects_[i].Left, rects_[i].Right});
    return spans;
  }

 private:
  const std::vector<TRect>& rects_;
  std::size_t next_ = 0;
};

// Sorted, disjoint input spans in, the combination out, sorted and with touching spans merged.
template <typename Inside>
std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b,
                               Inside inside) {
  std::vector<int> xs;
  for (const Span& s : a) xs.insert(xs.end(), {s.left, s.right});
  for (const Span& s : b) xs.insert(xs.end(), {s.left, s.right});
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

  auto covers = [](const std::vector<Span>& spans, int x) {
    return std::any_of(spans.begin(), spans.end(),
                       [x](const Span& s) { return s.left <= x && x < s.right; });
  };
  std::vector<Span> out;
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    if (!inside(covers(a, xs[i]), covers(b, xs[i]))) continue;
    if (!out.empty() && out.back().right == xs[i])
      out.back().right = xs[i + 1];
    else
      out.push_back({xs[i], xs[i + 1]});
  }
  return out;
}

std::vector<int> BandEdges(const std::vector<TRect>& a, const std::vector<TRect>& b) {
  std::vector<int> ys;
  for (const TRect& r : a) ys.insert(ys.end(), {r.Top, r.Bottom});
  for (const TRect& r : b) ys.insert(ys.end(), {r.Top, r.Bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  return ys;
}

}  // namespace

Region::Region(const TRect& rect) {
  if (!rect.IsEmpty()) rects_.push_back(rect);
}

Region Region::FromRects(std::span<const TRect> rects) {
  Region result;
  for (const TRect& r : rects) result.Include(r);
  return result;
}

TRect Region::Bounds() const {
  TRect bounds;
  for (const TRect& r : rects_) bounds = bounds.Union(r);
  return bounds;
}

std::span<const TRect> Region::BandAt(int y) const {
  // Bands do not overlap and are sorted by top, so they are sorted by bottom too.
  auto first = std::partition_point(rects_.begin(), rects_.end(),
                                    [y](const TRect& r) { return r.Bottom <= y; });
  auto last = first;
  while (last != rects_.end() && last->Top <= y) ++last;
  return {first, last};
}

bool Region::Contains(TPoint p) const {
  const std::span<const TRect> band = BandAt(p.Y);
  return std::any_of(band.begin(), band.end(), [p](const TRect& r) { return r.Contains(p); });
}

bool Region::Intersects(const TRect& rect) const {
  return std::any_of(rects_.begin(), rects_.end(),
                     [&rect](const TRect& r) { return r.Intersects(rect); });
}

Region Region::Union(const Region& other) const { return Combine(other, Op::Union); }
Region Region::Difference(const Region& other) const { return Combine(other, Op::Difference); }
Region Region::Intersect(const Region& other) const { return Combine(other, Op::Intersect); }

Region Region::Offset(int dx, int dy) const {
  Region moved = *this;
  for (TRect& r : moved.rects_) r = r.Offset(dx, dy);
  return moved;
}

Region Region::Combine(const Region& other, Op op) const {
  auto inside = [op](bool a, bool b) {
    switch (op) {
      case Op::Union: return a || b;
      case Op::Difference: return a && !b;
      case Op::Intersect: return a && b;
    }
    return false;
  };

  Region result;
  std::vector<Span> previous;
  int previousBottom = 0;
  std::size_t bandStart = 0;
  const std::vector<int> ys = BandEdges(rects_, other.rects_);
  BandCursor mine(rects_);
  BandCursor theirs(other.rects_);
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    const int top = ys[i];
    const int bottom = ys[i + 1];
    std::vector<Span> spans =
        CombineSpans(mine.SpansAt(top), theirs.SpansAt(top), inside);
    if (spans.empty()) continue;
    if (spans == previous && previousBottom == top) {
      // Same spans as the band just above and touching it: grow that band.
      for (std::size_t k = bandStart; k < result.rects_.size(); ++k) result.rects_[k].Bottom = bottom;
    } else {
      bandStart = result.rects_.size();
      for (const Span& s : spans) result.rects_.push_back({s.left, top, s.right, bottom});
      previous = std::move(spans);
    }
    previousBottom = bottom;
  }
  return result;
}

}  // namespace platform
