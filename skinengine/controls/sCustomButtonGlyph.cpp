#include "skinengine/controls/sCustomButton.h"
#include "skinengine/pixels/sGraphUtils.h"

namespace sCustomButton {

using namespace framework;
using platform::Bitmap;
using platform::TColor;
using platform::TPoint;
using platform::TRect;

namespace {
// Glyph pictures are keyed by their bottom-left pixel.
TColor KeyColor(const Bitmap& picture) {
  return picture.Pixel(0, picture.Height() - 1);
}

// The whole picture as a source rectangle whose right and bottom are inclusive.
TRect Whole(const Bitmap& picture) {
  return {0, 0, picture.Width() - 1, picture.Height() - 1};
}

// An image list's copy shows the list's transparent pixels in this colour.
constexpr TColor ListKey = platform::clFuchsia;

// A disabled glyph without pictures of its own fades this far into the face.
constexpr double DisabledListFade = 0.75;
constexpr double DisabledGlyphFade = 0.5;

// Greys the picture but for its transparent pixels, which keep the key colour.
void MakeGreyKeeping(Bitmap& picture, TColor key) {
  const Bitmap original = picture;
  sGraphUtils::MakeGrey(picture);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (original.Pixel(x, y) == key) picture.SetPixel(x, y, key);
}
}  // namespace

TImageList* TsSpeedButton::CurrentImages() const {
  if (!Enabled()) return imagesDisabled_ ? imagesDisabled_ : images_;
  return imagesGrayed_ && !sStyle()->IsActive() ? imagesGrayed_ : images_;
}

// A glyph narrower than two pixels has no room in the layout and is not drawn.
void TsSpeedButton::PaintGlyph(const TRect& glyph) {
  if (glyph.IsEmpty()) return;
  Bitmap& cache = sStyle()->CacheBmp()->Data();
  if (glyph_->Empty())
    PaintListGlyph(cache, glyph.TopLeft());
  else
    PaintBitmapGlyph(cache, glyph.TopLeft());
}

void TsSpeedButton::PaintListGlyph(Bitmap& cache, TPoint at) {
  const TImageList* list = CurrentImages();
  if (!list || ImageIndex() < 0 || ImageIndex() >= list->Count()) return;
  TBitmap copy;
  list->GetBitmap(ImageIndex(), copy);
  Bitmap& picture = copy.Data();
  // The list knows its transparent pixels: an image may well be opaque at its corner.
  if (Enabled() || list == imagesDisabled_) {
    if (Grayed() && list == images_ && !sStyle()->IsActive()) MakeGreyKeeping(picture, ListKey);
    DrawEnabledGlyph(cache, picture, at, ListKey);
    return;
  }
  sGraphUtils::BlendTransparent(cache, at.X, at.Y, ListKey, DisabledListFade, Whole(picture),
                                picture);
}

void TsSpeedButton::PaintBitmapGlyph(Bitmap& cache, TPoint at) {
  const Bitmap& glyph = glyph_->Data();
  if (NumGlyphs() == 2) {
    // Two cells side by side: the enabled picture, then the disabled one.
    const int width = glyph.Width() / 2;
    const int left = Enabled() ? 0 : width;
    sGraphUtils::DrawTransparentRect(
        cache, glyph, at.X, at.Y, {left, 0, left + width - 1, glyph.Height() - 1}, KeyColor(glyph));
    return;
  }
  if (NumGlyphs() != 1) return;
  Bitmap picture = glyph;
  if (Enabled()) {
    if (Grayed() && !sStyle()->IsActive()) sGraphUtils::MakeGrey(picture);
    DrawEnabledGlyph(cache, picture, at, KeyColor(picture));
    return;
  }
  if (disabledGlyphKind_.Contains(dgGrayed)) sGraphUtils::MakeGrey(picture);
  if (disabledGlyphKind_.Contains(dgBlended))
    sGraphUtils::BlendTransparent(cache, at.X, at.Y, KeyColor(picture), DisabledGlyphFade,
                                  Whole(picture), picture);
  else
    sGraphUtils::DrawTransparent(cache, picture, at.X, at.Y, KeyColor(picture));
}

void TsSpeedButton::DrawEnabledGlyph(Bitmap& cache, const Bitmap& picture, TPoint at, TColor key) {
  if (sStyle()->IsActive() || Blend() < 1) {
    sGraphUtils::DrawTransparent(cache, picture, at.X, at.Y, key);
    return;
  }
  sGraphUtils::BlendTransparent(cache, at.X, at.Y, key, Blend() / 100.0, Whole(picture), picture);
}

}  // namespace sCustomButton
