#include <optional>
#include <utility>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sButtonControl.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"

namespace sButtonControl {

using namespace framework;
using namespace platform;

namespace {
constexpr unsigned CaptionFlags = DT_WORDBREAK | DT_EXPANDTABS;

// The state block of a border mask: 0 normal, 1 hot, 2 down.
int MaskState(bool down, bool active) {
  if (down) return 2;
  return active ? 1 : 0;
}
}  // namespace

// While a fade runs the cache already holds the final look, which the fade shows at its end.
void TsButtonControl::Paint() {
  if (ComponentState().Contains(csDestroying) || !Parent() || !sStyle_) return;
  if (sStyle_->CacheStale()) {
    sStyle_->ResizeCache();
    if (!Fading()) PaintLook();
  }
  sStyle_->CopyCache(*Canvas()->Handle(), {0, 0, Width(), Height()});
}

void TsButtonControl::PaintLook() {
  if (buttonStyle_ == sStyleSimply::tbsSeparator || buttonStyle_ == sStyleSimply::tbsDivider)
    PaintParentBackground();
  else
    sStyle_->PaintBackground();
  PaintContent();
  PaintArrow();
}

void TsButtonControl::PaintParentBackground() {
  Bitmap& cache = sStyle_->CacheBmp()->Data();
  if (const std::optional<sStyleSimply::TsParentBackground> parent =
          sStyle_->GetParentBackground()) {
    sStyleUtil::CopyParentBackground(cache, *parent,
                                     sStyleUtil::ParentSourceRect(*parent, BoundsRect()));
    return;
  }
  // Without a picture the parent's colour stands in for it.
  cache.Fill(Parent()->Color());
}

void TsButtonControl::PaintContent() {
  if (buttonStyle_ == sStyleSimply::tbsSeparator) return;
  if (buttonStyle_ == sStyleSimply::tbsDivider) {
    const int left = (Width() - bevelWidth_) / 2;
    sGraphUtils::PaintBevel(sStyle_->CacheBmp()->Data(),
                            {left, bevelWidth_, left + 3 * bevelWidth_, Height() - bevelWidth_},
                            bevelWidth_, sStyle_->SoftControl(), sStyle_->Look().Bevel);
    return;
  }
  PaintFrame();
  const TsContentLayout layout = ContentLayout();
  PaintGlyph(layout.Glyph);
  if (showCaption_) PaintCaption(layout.Caption, layout.Alignment);
}

// A border mask shapes the window as it paints: its transparent pixels leave the region.
void TsButtonControl::PaintFrame() {
  Bitmap& cache = sStyle_->CacheBmp()->Data();
  const bool rebuild = sStyle_->RegionStale();
  Region region = rebuild ? Region(TRect{0, 0, Width(), Height()}) : Region();
  const int state = MaskState(down_, sStyle_->IsActive());
  const sStyleActive::TsMaskedBorders& own = *sStyle_->BtnEffects()->MaskedBorders();
  const bool bound = sSkinManager::SkinLoaded() && sStyle_->Section();
  if (bound && sStyle_->MaskIndex() >= 0) {
    sMaskData::PaintSkinMaskedBorder(cache, sStyle_->MaskIndex(), state, true, region);
  } else if (!bound && own.Enabled()) {
    sMaskData::PaintMaskedBorder(cache, sStyleActive::BorderMaskOf(own), state, true,
                                 own.TransparentColor(), region);
  } else {
    sStyle_->PaintBevelFrame({0, 0, Width() - ArrowWidth(), Height()});
  }
  if (!rebuild) return;
  if (HandleAllocated()) SetWindowRgn(Handle(), std::move(region), true);
  sStyle_->SetRegionStale(false);
}

void TsButtonControl::PaintCaption(TRect r, unsigned alignment) {
  TCanvas& canvas = *sStyle_->CacheBmp()->Canvas();
  canvas.Brush()->SetStyle(bsClear);
  TRect measured = r;
  DrawCaptionText(measured, DT_CALCRECT | CaptionFlags);
  // More than a line (and its leading) is centred whatever the layout.
  if (measured.Height() > canvas.TextHeight("T") + 6) alignment = DT_CENTER;
  r = r.Offset(0, (r.Height() - measured.Height()) / 2);
  if (layout_ == blGlyphTop || layout_ == blGlyphBottom) {
    const int down = down_ ? 1 : 0;
    r.Left = (Width() - measured.Width()) / 2 + down;
    r.Right = Width() - r.Left + 2 * down;
  }
  DrawCaptionText(r, alignment | CaptionFlags);
}

void TsButtonControl::DrawCaptionText(TRect& r, unsigned flags) {
  TCanvas& canvas = *sStyle_->CacheBmp()->Canvas();
  canvas.SetFont(Font());
  if (Enabled()) {
    if (sStyle_->IsActive()) {
      canvas.Font()->SetColor(sStyle_->HotFontColor());
      canvas.Font()->SetStyle(sStyle_->HotStyle()->HotPainting()->FontStyle());
    }
    canvas.DrawText(Caption(), r, flags);
    return;
  }
  TRect highlight = r.Offset(1, 1);
  canvas.Font()->SetColor(clBtnHighlight);
  canvas.DrawText(Caption(), highlight, flags);
  canvas.Font()->SetColor(clBtnShadow);
  canvas.DrawText(Caption(), r, flags);
}

void TsButtonControl::PaintArrow() {
  if (buttonStyle_ != sStyleSimply::tbsDropDown) return;
  const TRect zone{Width() - ArrowWidth(), 0, Width(), Height()};
  Bitmap& cache = sStyle_->CacheBmp()->Data();
  if (!sStyle_->BtnEffects()->MaskedBorders()->Enabled()) {
    if (dropdownOpen_) {
      const sStyleUtil::TsLook look = sStyle_->Look();
      platform::Canvas frame(cache);
      sGraphUtils::PaintLineFrame(frame, clWhite, ColorToRGB(clBtnShadow), sStyle_->SoftControl(),
                                  sBevels::ebLowered, look.BevelWidth / 4 + 1, zone,
                                  ColorToRGB(look.Color));
    } else {
      sStyle_->PaintBevelFrame(zone);
    }
  }
  // The open menu's arrow sinks with the pressed zone.
  const int shift = dropdownOpen_ ? bevelWidth_ : 0;
  const int x = zone.Left + zone.Width() / 2 + shift - 6;
  const int y = zone.Top + zone.Height() / 2 + shift - 1;
  // Row by row: a polygon fill would leave gaps in so small a triangle.
  const auto triangle = [&cache, x, y](int dx, TColor color) {
    for (int row = 0; row <= 3; ++row)
      cache.FillRect({x + dx + 3 + row, y + dx + row, x + dx + 10 - row, y + dx + row + 1}, color);
  };
  if (Enabled()) {
    triangle(
        0, sStyle_->IsActive() ? sStyle_->HotStyle()->HotPainting()->FontColor() : Font()->Color());
    return;
  }
  triangle(1, clWhite);
  triangle(0, 0x808080);
}

}  // namespace sButtonControl
