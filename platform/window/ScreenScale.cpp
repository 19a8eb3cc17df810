#include "platform/window/ScreenScale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "platform/window/Backend.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {

namespace {

int FloorDiv(int a, int b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

int CeilDiv(int a, int b) {
  return -FloorDiv(-a, b);
}

}  // namespace

bool ScreenScale::Settle(TSize window, TSize deviceArea) {
  if (settled_ || window.cx <= 0 || window.cy <= 0) return false;
  settled_ = true;
  const int wanted = factor_;
  while (factor_ > 1 &&
         (window.cx * factor_ > deviceArea.cx || window.cy * factor_ > deviceArea.cy))
    --factor_;
  return factor_ != wanted;
}

void SettleOnShow(ScreenScale& scale, Backend& backend, HWND shown, TSize deviceArea,
                  const std::vector<HWND>& natives) {
  // Menus and other popups are sized to their content; the window they belong to decides.
  if ((GetWindowStyle(shown) & WS_POPUP) != 0) return;
  if (!scale.Settle(GetWindowRect(shown).Size(), deviceArea)) return;
  for (const HWND h : natives) {
    if (const Window* w = FindWindow(h)) {
      backend.SetNativeBounds(h, w->Bounds);
      backend.SetNativeShape(h, w->Shape ? &*w->Shape : nullptr);
    }
  }
}

TPoint ScreenScale::ToLogical(TPoint device) const {
  return {FloorDiv(device.X, factor_), FloorDiv(device.Y, factor_)};
}

TRect ScreenScale::ToDevice(const TRect& r) const {
  return {r.Left * factor_, r.Top * factor_, r.Right * factor_, r.Bottom * factor_};
}

TRect ScreenScale::AreaToLogical(const TRect& r) const {
  return {CeilDiv(r.Left, factor_), CeilDiv(r.Top, factor_), FloorDiv(r.Right, factor_),
          FloorDiv(r.Bottom, factor_)};
}

Region ScreenScale::ToDevice(const Region& logical) const {
  if (factor_ == 1) return logical;
  std::vector<TRect> rects;
  rects.reserve(logical.Rects().size());
  for (const TRect& r : logical.Rects()) rects.push_back(ToDevice(r));
  return Region::FromRects(rects);
}

int WantedScale(const char* gdkScale, const char* xftDpi) {
  if (gdkScale != nullptr && *gdkScale != '\0') {
    const std::string_view text(gdkScale);
    int factor = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), factor);
    const bool whole = error == std::errc() && end == text.data() + text.size();
    return whole && factor >= 1 && factor <= ScreenScale::MaxFactor ? factor : 1;
  }
  if (xftDpi != nullptr) {
    const std::string_view text(xftDpi);
    double dpi = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
    if (error == std::errc() && std::isfinite(dpi) && dpi >= 192)
      return std::min(static_cast<int>(dpi / 96), ScreenScale::MaxFactor);
  }
  return 1;
}

}  // namespace platform
