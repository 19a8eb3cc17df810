#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Region.h"
#include "platform/window/WindowTypes.h"

namespace platform {

// The integer factor between the window system's logical pixels and a screen's device pixels:
// windows are painted at their logical size and presented as factor x factor blocks, and
// everything the screen reports comes back divided. Both back ends map through this, and
// only here; at factor 1 every mapping is the identity.
class ScreenScale {
 public:
  static constexpr int MaxFactor = 6;

  explicit ScreenScale(int wanted = 1) : factor_(wanted) {}

  int Factor() const { return factor_; }
  // The first window with an area fixes the factor: the wanted one, or the largest at which
  // the window still fits the screen's work area (device pixels). True when it changed.
  bool Settle(TSize window, TSize deviceArea);

  TPoint ToLogical(TPoint device) const;
  TRect ToDevice(const TRect& logical) const;
  // The logical pixels wholly inside a device rectangle.
  TRect AreaToLogical(const TRect& device) const;
  Region ToDevice(const Region& logical) const;

  // Presents rect of a logical picture as blocks: each logical row becomes one device row of
  // pixels made by toPixel from blue-green-red bytes, each pixel repeated factor times, and
  // that row goes to put(deviceY, deviceLeft, row) factor times, so a frame costs one
  // conversion per logical pixel.
  template <typename Pixel, typename ToPixel, typename Put>
  void PresentBlocks(const Bitmap& backing, const TRect& rect, ToPixel toPixel, Put put) const {
    std::vector<Pixel> row(static_cast<std::size_t>(rect.Width()) * factor_);
    for (int y = rect.Top; y < rect.Bottom; ++y) {
      const std::uint8_t* src = backing.ScanLine(y) + rect.Left * 3;
      auto out = row.begin();
      for (int x = rect.Left; x < rect.Right; ++x, src += 3)
        out = std::fill_n(out, factor_, toPixel(src));
      for (int k = 0; k < factor_; ++k) put(y * factor_ + k, rect.Left * factor_, row);
    }
  }

 private:
  int factor_;
  bool settled_ = false;
};

class Backend;

// Settles the factor on a top-level window as it is first shown, at its final size; when the
// factor changes, every native window takes its bounds and shape anew from the backend.
void SettleOnShow(ScreenScale& scale, Backend& backend, HWND shown, TSize deviceArea,
                  const std::vector<HWND>& natives);

// The factor a desktop asks for, read as toolkits read it: GDK_SCALE when set (a value that is
// no whole number from 1 to MaxFactor gives 1), else the Xft.dpi resource, whose multiples of
// 96 from 192 on give 2 and up; neither gives 1.
int WantedScale(const char* gdkScale, const char* xftDpi);

}  // namespace platform
