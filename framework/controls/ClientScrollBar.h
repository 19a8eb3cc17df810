#pragma once

#include "framework/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

namespace framework {

// One classic scroll bar that a control draws in its own client area: arrow buttons at both
// ends, a track, and a thumb whose size shows how much of the range is in view.
class TClientScrollBar {
 public:
  enum class Part { None, LineBack, LineForward, PageBack, PageForward, Thumb };

  TClientScrollBar(bool vertical, TRect bounds, int min, int max, int position, int page);

  bool Vertical() const { return vertical_; }
  TRect Bounds() const { return bounds_; }
  TRect ThumbRect() const;
  Part HitTest(TPoint p) const;
  // The position that puts the thumb's leading edge at a coordinate along the bar.
  int PositionAt(int thumbStart) const;
  // Where along the bar (x or y) a point lies.
  int Along(TPoint p) const { return vertical_ ? p.Y : p.X; }
  void Paint(TCanvas& canvas, Part pressed) const;

 private:
  int Button() const;  // length of each arrow button
  int TrackStart() const;
  int TrackLength() const;
  int ThumbLength() const;
  TRect Slice(int from, int to) const;  // part of the bar between two offsets along it
  void PaintButton(TCanvas& canvas, const TRect& r, bool pressed) const;
  void PaintArrow(TCanvas& canvas, const TRect& r, bool back) const;
  void PaintTrack(TCanvas& canvas, const TRect& r) const;

  bool vertical_;
  TRect bounds_;
  int min_, max_, position_, page_;
};

}  // namespace framework
