#pragma once

#include <cstdint>
#include <optional>

#include "framework/controls/ClientScrollBar.h"
#include "framework/controls/CustomControl.h"

namespace framework {

// A control that draws classic scroll bars in its own client area and scrolls by lines:
// a press on an arrow or on the track scrolls at once and again while it is held there,
// the thumb drags, and the mouse wheel scrolls three lines a notch.
class TScrollingControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

  // How long a held arrow waits before it repeats, and then between repeats.
  static constexpr std::uint32_t RepeatDelayMs = 400;
  static constexpr std::uint32_t RepeatIntervalMs = 50;
  static constexpr int WheelLines = 3;

  // The scroll bars shown now.
  virtual std::optional<TClientScrollBar> VerticalScrollBar() const = 0;
  virtual std::optional<TClientScrollBar> HorizontalScrollBar() const { return std::nullopt; }

 protected:
  // The first line shown along a direction, and how many lines a page holds.
  virtual int ScrollPosition(bool vertical) const = 0;
  virtual void SetScrollPosition(bool vertical, int position) = 0;
  virtual int ScrollPage(bool vertical) const = 0;

  void WndProc(TMessage& message) override;
  // A left press on a scroll bar starts tracking it; subclasses leave such presses alone.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool TrackingScrollBar() const { return trackingVertical_.has_value(); }
  void PaintScrollBars(TCanvas& canvas);

 private:
  std::optional<TClientScrollBar> Bar(bool vertical) const;
  void Act(bool vertical, TClientScrollBar::Part part);
  void Repeat();
  void StopTracking();

  std::optional<bool> trackingVertical_;
  TClientScrollBar::Part trackingPart_ = TClientScrollBar::Part::None;
  int thumbGrab_ = 0;
  TPoint pointer_;
  int wheelRest_ = 0;  // wheel movement short of a whole line
};

}  // namespace framework
