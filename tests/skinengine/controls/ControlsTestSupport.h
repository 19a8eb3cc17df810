#pragma once

// A shown headless form for the skin engine's controls, and pixel helpers for their looks.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

#include "framework/controls/Control.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "tests/framework/ControlTestSupport.h"

namespace skintests {

using framework::testing::FormFixture;

// The darkest channel value in r of a picture: text shows as its darkest pixels.
inline int Darkest(const platform::Bitmap& picture, const platform::TRect& r) {
  int darkest = 255;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const platform::TColor c = picture.Pixel(x, y);
      darkest = std::min({darkest, static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                          static_cast<int>((c >> 16) & 0xFF)});
    }
  return darkest;
}

// How many pixels in r have exactly the colour.
inline int CountColor(const platform::Bitmap& picture, const platform::TRect& r,
                      platform::TColor color) {
  const platform::TColor rgb = platform::ColorToRGB(color);
  int count = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) count += picture.Pixel(x, y) == rgb ? 1 : 0;
  return count;
}

// The control as the screen shows it after everything pending has been painted.
template <class C>
platform::Bitmap Painted(C& control) {
  platform::UpdateWindow(control.Handle());
  return platform::WindowSnapshot(control.Handle());
}

// Calls seen each time the control is asked to paint, before it paints, for as long as the
// watch lives.
class PaintWatch {
 public:
  PaintWatch(framework::TControl& control, std::function<void()> seen)
      : control_(control), previous_(control.WindowProc) {
    control.WindowProc = [this, seen = std::move(seen)](framework::TMessage& m) {
      if (m.Msg == platform::WM_PAINT) seen();
      previous_(m);
    };
  }
  ~PaintWatch() { control_.WindowProc = previous_; }
  PaintWatch(const PaintWatch&) = delete;
  PaintWatch& operator=(const PaintWatch&) = delete;

 private:
  framework::TControl& control_;
  framework::TWndMethod previous_;
};

}  // namespace skintests
