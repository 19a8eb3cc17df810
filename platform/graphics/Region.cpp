#include "platform/graphics/Region.h"

#include <algorithm>
#include <iterator>

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

  // Both lists are sorted, so the span that may cover x only ever moves right.
  auto covers = [](const std::vector<Span>& spans, std::size_t& at, int x) {
    while (at < spans.size() && spans[at].right <= x) ++at;
    return at < spans.size() && spans[at].left <= x;
  };
  std::vector<Span> out;
  std::size_t inA = 0;
  std::size_t inB = 0;
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    const bool coveredA = covers(a, inA, xs[i]);
    const bool coveredB = covers(b, inB, xs[i]);
    if (!inside(coveredA, coveredB)) continue;
    if (!out.empty() && out.back().right == xs[i])
      out.back().right = xs[i + 1];
    else
      out.push_back({xs[i], xs[i + 1]});
  }
  return out;
}

// Appends bands top to bottom; a band that touches the one above and has the same spans grows
// that one instead, so equal sets end up with equal lists.
class BandWriter {
 public:
  explicit BandWriter(std::vector<TRect>& rects) : rects_(rects) {}

  void Add(std::vector<Span> spans, int top, int bottom) {
    if (spans.empty()) return;
    if (spans == previous_ && previousBottom_ == top) {
      for (std::size_t k = bandStart_; k < rects_.size(); ++k) rects_[k].Bottom = bottom;
    } else {
      bandStart_ = rects_.size();
      for (const Span& s : spans) rects_.push_back({s.left, top, s.right, bottom});
      previous_ = std::move(spans);
    }
    previousBottom_ = bottom;
  }

 private:
  std::vector<TRect>& rects_;
  std::vector<Span> previous_;
  int previousBottom_ = 0;
  std::size_t bandStart_ = 0;
};

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
  // One sweep from top to bottom: masks cut out thousands of single pixels, and adding them
  // one by one would rebuild the whole list for each.
  std::vector<TRect> pending;
  std::copy_if(rects.begin(), rects.end(), std::back_inserter(pending),
               [](const TRect& r) { return !r.IsEmpty(); });
  std::sort(pending.begin(), pending.end(),
            [](const TRect& a, const TRect& b) { return a.Top < b.Top; });
  const std::vector<int> ys = BandEdges(pending, {});

  Region result;
  BandWriter bands(result.rects_);
  std::vector<TRect> active;
  std::size_t next = 0;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    const int top = ys[i];
    std::erase_if(active, [top](const TRect& r) { return r.Bottom <= top; });
    while (next < pending.size() && pending[next].Top <= top) active.push_back(pending[next++]);
    std::vector<Span> spans;
    spans.reserve(active.size());
    for (const TRect& r : active) spans.push_back({r.Left, r.Right});
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.left < b.left; });
    std::vector<Span> merged;
    for (const Span& s : spans) {
      if (!merged.empty() && s.left <= merged.back().right)
        merged.back().right = std::max(merged.back().right, s.right);
      else
        merged.push_back(s);
    }
    bands.Add(std::move(merged), top, ys[i + 1]);
  }
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

Region Region::Union(const Region& other) const {
  return Combine(other, Op::Union);
}
Region Region::Difference(const Region& other) const {
  return Combine(other, Op::Difference);
}
Region Region::Intersect(const Region& other) const {
  return Combine(other, Op::Intersect);
}

Region Region::Offset(int dx, int dy) const {
  Region moved = *this;
  for (TRect& r : moved.rects_) r = r.Offset(dx, dy);
  return moved;
}

Region Region::Combine(const Region& other, Op op) const {
  auto inside = [op](bool a, bool b) {
    switch (op) {
      case Op::Union:
        return a || b;
      case Op::Difference:
        return a && !b;
      case Op::Intersect:
        return a && b;
    }
    return false;
  };

  Region result;
  BandWriter bands(result.rects_);
  const std::vector<int> ys = BandEdges(rects_, other.rects_);
  BandCursor mine(rects_);
  BandCursor theirs(other.rects_);
  for (std::size_t i = 0; i + 1 < ys.size(); ++i)
    bands.Add(CombineSpans(mine.SpansAt(ys[i]), theirs.SpansAt(ys[i]), inside), ys[i], ys[i + 1]);
  return result;
}

}  // namespace platform
