#include "skinengine/style/sStyleCompose.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "framework/graphics/JpegImage.h"
#include "framework/runtime/Exceptions.h"
#include "platform/Error.h"
#include "platform/graphics/Canvas.h"

namespace sStyleUtil {

using platform::Bitmap;
using platform::TColor;
using platform::TRect;

namespace {

// The picture's weight over the gradient. A full share is the heaviest weight there is,
// rather than wrapping round to none.
int PictureWeight(int share, TsComposeRule rule) {
  const int scale = rule == TsComposeRule::Normal ? 256 : 255;
  return std::min(share * scale / 100, 255);
}

bool Usable(const TsPicture& picture) {
  return picture.Bitmap && picture.Bitmap->Width() > 0 && picture.Bitmap->Height() > 0;
}

// The look's gradient, or its colour when it has none.
void PaintGradient(Bitmap& target, const TRect& rect, const TsLook& look, TColor color) {
  if (look.Gradient && !look.Gradient->empty())
    sGradient::PaintGradient(target, rect, *look.Gradient);
  else
    target.FillRect(rect, color);
}

// The scratch bitmap is made only when a blend needs it, at the target's size.
void FitScratch(Bitmap& scratch, const Bitmap& target) {
  if (scratch.Width() != target.Width() || scratch.Height() != target.Height())
    scratch = Bitmap(target.Width(), target.Height());
}

}  // namespace

TsPicture PictureOf(const framework::TPicture& picture) {
  const framework::TGraphic* graphic = picture.Graphic();
  if (const auto* bitmap = dynamic_cast<const framework::TBitmap*>(graphic))
    return {&bitmap->Data(), sGraphUtils::PictureKind::Bitmap};
  if (const auto* jpeg = dynamic_cast<const framework::TJPEGImage*>(graphic)) {
    try {
      return {&jpeg->Picture(), sGraphUtils::PictureKind::Jpeg};
    } catch (const platform::Error&) {
    } catch (const framework::Exception&) {
    }
  }
  return {};
}

// The own values of a background and its painting.
TsLook OwnLook(const sStyleActive::TsHotBackground& background, platform::TColor color,
               sBevels::TsControlBevel bevel, int bevelWidth, int transparency) {
  TsLook look{color,
              bevel,
              bevelWidth,
              background.Gradient()->Percent(),
              &background.Gradient()->GradientArray(),
              background.Image()->Percent(),
              {},
              transparency};
  if (look.ImagePercent > 0) look.Image = PictureOf(*background.Image()->Image());
  return look;
}

void ComposeLook(Bitmap& target, Bitmap& scratch, const TsLook& look, const TRect& rect,
                 TsComposeRule rule) {
  const TColor color = platform::ColorToRGB(look.Color);
  const int g = std::clamp(look.GradientPercent, 0, 100);
  const int i = std::clamp(look.ImagePercent, 0, 100);
  bool pictureDrawn = false;
  if (i > 0) {
    if (Usable(look.Image)) {
      platform::Canvas canvas(target);
      sGraphUtils::TilePicture(canvas, rect, *look.Image.Bitmap, look.Image.Kind);
      pictureDrawn = true;
    } else if (rule == TsComposeRule::Normal) {
      target.FillRect(rect, color);
    }
  }
  if (g > 0) {
    if (pictureDrawn) {
      FitScratch(scratch, target);
      PaintGradient(scratch, rect, look, color);
      sGraphUtils::BlendBitmaps(target, scratch, sGraphUtils::GreyWeight(PictureWeight(i, rule)));
    } else {
      PaintGradient(target, rect, look, color);
    }
  }
  // The colour lets the picture and the gradient show through by their shares.
  const int shown = g + i;
  if (shown == 0 || shown > 100)
    target.FillRect(rect, color);
  else if (shown < 100)
    sGraphUtils::OverlayColor(target, color, shown);
}

TRect ParentSourceRect(const sStyleSimply::TsParentBackground& parent, const TRect& bounds) {
  return sStyleSimply::OffsetBounds(bounds, parent.Offset.X, parent.Offset.Y);
}

bool ParentCovers(const sStyleSimply::TsParentBackground& parent, const TRect& source) {
  return source.Left >= 0 && source.Top >= 0 && source.Right <= parent.Picture->Width() &&
         source.Bottom <= parent.Picture->Height();
}

void CopyParentBackground(Bitmap& target, const sStyleSimply::TsParentBackground& parent,
                          const TRect& source) {
  const Bitmap& from = *parent.Picture;
  const int x0 = std::max(source.Left, 0);
  const int x1 = std::min({source.Right, from.Width(), source.Left + target.Width()});
  const int y0 = std::max(source.Top, 0);
  const int y1 = std::min({source.Bottom, from.Height(), source.Top + target.Height()});
  if (x1 <= x0) return;
  const auto bytes = static_cast<std::size_t>(x1 - x0) * 3;
  for (int y = y0; y < y1; ++y)
    std::memcpy(target.ScanLine(y - source.Top) + 3 * (x0 - source.Left), from.ScanLine(y) + 3 * x0,
                bytes);
}

void ComposeOverParent(Bitmap& target, Bitmap& scratch, const TsLook& look, const TRect& rect,
                       TsComposeRule rule,
                       const std::optional<sStyleSimply::TsParentBackground>& parent,
                       const TRect& source) {
  const int transparency = std::clamp(look.Transparency, 0, 100);
  if (!parent || transparency == 0) return ComposeLook(target, scratch, look, rect, rule);
  // Where the parent's picture does not reach, the own look shows.
  const bool covers = ParentCovers(*parent, source);
  if (transparency < 100 || !covers) ComposeLook(target, scratch, look, rect, rule);
  if (transparency == 100) return CopyParentBackground(target, *parent, source);
  if (covers)
    FitScratch(scratch, target);
  else
    scratch = target;
  CopyParentBackground(scratch, *parent, source);
  sGraphUtils::BlendBitmaps(target, scratch,
                            sGraphUtils::GreyWeight((100 - transparency) * 255 / 100));
}

}  // namespace sStyleUtil
