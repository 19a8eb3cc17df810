#pragma once

#include <span>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace platform {

// A set of pixels held as non-overlapping rectangles in y-x bands: sorted by top, then left;
// the rectangles of one band share top and bottom, and touching bands with the same spans
// are merged, so equal sets have equal lists.
class Region {
 public:
  Region() = default;
  explicit Region(const TRect& rect);
  static Region FromRects(std::span<const TRect> rects);

  bool IsEmpty() const { return rects_.empty(); }
  const std::vector<TRect>& Rects() const { return rects_; }
  TRect Bounds() const;

  // The rectangles of the band that covers row y, left to right; empty where none does.
  std::span<const TRect> BandAt(int y) const;

  bool Contains(TPoint p) const;
  bool Intersects(const TRect& rect) const;

  Region Union(const Region& other) const;
  Region Difference(const Region& other) const;
  Region Intersect(const Region& other) const;
  Region Offset(int dx, int dy) const;

  void Include(const TRect& rect) { *this = Union(Region(rect)); }
  void Exclude(const TRect& rect) { *this = Difference(Region(rect)); }

  friend bool operator==(const Region&, const Region&) = default;

 private:
  enum class Op { Union, Difference, Intersect };
  Region Combine(const Region& other, Op op) const;

  std::vector<TRect> rects_;
};

}  // namespace platform
