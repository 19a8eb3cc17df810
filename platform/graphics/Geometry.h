#pragma once

#include <algorithm>

namespace platform {

struct TPoint {
  int X = 0;
  int Y = 0;

  friend bool operator==(const TPoint&, const TPoint&) = default;
  TPoint operator+(TPoint o) const { return {X + o.X, Y + o.Y}; }
  TPoint operator-(TPoint o) const { return {X - o.X, Y - o.Y}; }
};

struct TSize {
  int cx = 0;
  int cy = 0;

  friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive, as on every desktop graphics interface.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  friend bool operator==(const TRect&, const TRect&) = default;

  static TRect FromBounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TSize Size() const { return {Width(), Height()}; }
  TPoint TopLeft() const { return {Left, Top}; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }

  TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  TRect Offset(TPoint d) const { return Offset(d.X, d.Y); }
  TRect Inflate(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }

  // An empty result is normalised to all zeros, so empty rectangles compare equal.
  TRect Intersect(const TRect& o) const {
    TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
            std::min(Bottom, o.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
  }
  bool Intersects(const TRect& o) const { return !Intersect(o).IsEmpty(); }

  // Moved just enough to lie wholly inside area; a rectangle larger than the area goes to its
  // top-left corner on that axis.
  TRect MovedInto(const TRect& area) const {
    const int dx = Width() > area.Width() || Left < area.Left ? area.Left - Left
                   : Right > area.Right                       ? area.Right - Right
                                                              : 0;
    const int dy = Height() > area.Height() || Top < area.Top ? area.Top - Top
                   : Bottom > area.Bottom                     ? area.Bottom - Bottom
                                                              : 0;
    return Offset(dx, dy);
  }

  // The bounding rectangle of both; an empty operand does not count.
  TRect Union(const TRect& o) const {
    if (IsEmpty()) return o.IsEmpty() ? TRect{} : o;
    if (o.IsEmpty()) return *this;
    return {std::min(Left, o.Left), std::min(Top, o.Top), std::max(Right, o.Right),
            std::max(Bottom, o.Bottom)};
  }
};

}  // namespace platform
