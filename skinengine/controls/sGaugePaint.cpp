#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sGauge.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"

namespace sGauge {

using namespace framework;
using namespace platform;

namespace {

// Rounds half to even, as the figures' points and grey levels are rounded.
int RoundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// The point at angle f (radians, 0 pointing left, growing clockwise) on the ellipse of
// half-axes a and b whose box has its top-left at the origin.
TPoint OnEllipse(int a, int b, double f) {
  return {RoundEven((1 - std::cos(f)) * a), RoundEven((1 - std::sin(f)) * b)};
}

// Pen and brush of a figure drawn on the foreground mask; a clear brush leaves the inside.
void SetPaints(platform::Canvas& mask, TColor pen, std::optional<TColor> brush) {
  mask.SetPen({pen, 1, PenStyle::Solid});
  mask.SetBrush(brush ? Brush{*brush, BrushStyle::Solid} : Brush{0, BrushStyle::Clear});
}

}  // namespace

void TsGauge::Paint() {
  if (Loading() || ComponentState().Contains(csDestroying) || !sStyle_) return;
  if (sStyle_->CacheStale()) PaintLook();
  sStyle_->CopyCache(*Canvas()->Handle(), ClientRect());
}

void TsGauge::PaintLook() {
  sStyle_->ResizeCache();
  sStyle_->PaintBackground();
  Bitmap& cache = sStyle_->CacheBmp()->Data();
  const sBevels::TsControlBevel bevel = sStyle_->NormalLook().Bevel;
  PaintFrame(cache, bevel);
  // Inside a bevel the figure and the text keep off the frame's outer line.
  const TRect inner = bevel != sBevels::cbNone ? ClientRect().Inflate(-1, -1) : ClientRect();
  PaintFigure(cache, inner, Percent());
  if (showText_) PaintText(inner);
}

// The skin's border mask shapes the window along its transparent corners; without one the
// frame is a bevel.
void TsGauge::PaintFrame(Bitmap& cache, sBevels::TsControlBevel bevel) {
  if (sStyle_->MaskIndex() < 0) {
    // The corners a skin's mask cut give way to the style's own, with the skin that had it.
    sStyle_->UpdateRegion();
    sGraphUtils::PaintBevel(cache, ClientRect(), bevelWidth_, sStyle_->SoftControl(), bevel);
    return;
  }
  const bool newRegion = sStyle_->RegionStale();
  Region region(cache.BoundsRect());
  sMaskData::PaintSkinMaskedBorder(cache, sStyle_->MaskIndex(), 0, true, region);
  if (!newRegion) return;
  SetWindowRgn(Handle(), std::move(region), true);
  sStyle_->SetRegionStale(false);
}

// Every figure but the skin's progress mask is drawn in greys on a white mask, through which
// the style's own colour is then laid over the cache: black gives the colour, white keeps the
// background.
void TsGauge::PaintFigure(Bitmap& cache, const TRect& r, int percent) {
  if (kind_ == gkText) return;
  const int w = r.Width();
  const int h = r.Height();
  // Percent of a size, truncated.
  const auto share = [percent](int size) { return static_cast<int>(size * percent * 0.01); };
  const int barEnd = std::min(w, share(w));
  if (kind_ == gkHorizontalBar) {
    if (barEnd <= 0) return;
    const int progressMask = sSkinManager::FindImageIndex(
        sStyle_->SkinIndex(), sStyle_->SkinSection(), "GAUGEPROGRESSMASK");
    if (progressMask >= 0) {
      const Bitmap& picture =
          sSkinManager::SkinImages()[static_cast<std::size_t>(progressMask)].Bitmap->Data();
      sMaskData::PaintSectionBorder(cache, picture, 0, true, {r.Left, r.Top, barEnd + 1, h + 1});
      return;
    }
  }
  const int g1 = RoundEven(255 * foreAlpha_ / 100.0);
  const int g2 = RoundEven(255 - 255 * foreAlpha_ / 100.0);
  Bitmap maskBitmap(cache.Width(), cache.Height());
  maskBitmap.Fill(clWhite);
  platform::Canvas mask(maskBitmap);
  switch (kind_) {
    case gkText:
      break;
    case gkHorizontalBar:
      SetPaints(mask, sGraphUtils::GreyWeight(g1), sGraphUtils::GreyWeight(g1));
      mask.Rectangle({r.Left, r.Top, barEnd + 1, h + 1});
      break;
    case gkVerticalBar: {
      // The bar grows from the bottom.
      const int y = std::min(share(h), h - 1);
      SetPaints(mask, sGraphUtils::GreyWeight(g1), sGraphUtils::GreyWeight(g1));
      mask.Rectangle({r.Left, h - y, w + 1, h + 1});
      break;
    }
    case gkPie: {
      // The sector starts at twelve o'clock and grows clockwise.
      const TRect box{r.Left, r.Top, w, h};
      SetPaints(mask, sGraphUtils::GreyWeight(g1), std::nullopt);
      mask.Ellipse(box);
      if (percent <= 0) break;
      SetPaints(mask, sGraphUtils::GreyWeight(g1), sGraphUtils::GreyWeight(g2));
      const double f = (percent / 50.0 + 0.5) * std::numbers::pi;
      mask.Pie(box, OnEllipse(w / 2, h / 2, f), {w / 2, 0});
      break;
    }
    case gkNeedle: {
      // An upper half dial over a base line; the needle points left at 0, up at 50 and right
      // at 100 percent.
      SetPaints(mask, sGraphUtils::GreyWeight(g2), std::nullopt);
      mask.Pie({r.Left, r.Top, w, 2 * h - 1}, {r.Left + w, r.Bottom - 1}, {r.Left, r.Bottom - 1});
      mask.MoveTo(r.Left, r.Bottom);
      mask.LineTo(r.Left + w, r.Bottom);
      if (percent <= 0) break;
      const TPoint tip = OnEllipse(Width() / 2, r.Bottom - 1, percent / 100.0 * std::numbers::pi);
      mask.MoveTo(Width() / 2, r.Bottom - 1);
      mask.LineTo(tip.X, tip.Y);
      break;
    }
  }
  sGraphUtils::BlendColorMask(cache, maskBitmap, ColorToRGB(sStyle_->Painting()->Color()));
}

void TsGauge::PaintText(const TRect& r) {
  platform::Canvas canvas(sStyle_->CacheBmp()->Data());
  canvas.SetFont(Font()->Data());
  TRect place = r;
  sGraphUtils::WriteText(canvas, PercentText(), Enabled(), DT_CENTER | DT_VCENTER | DT_EXPANDTABS,
                         place);
}

}  // namespace sGauge
