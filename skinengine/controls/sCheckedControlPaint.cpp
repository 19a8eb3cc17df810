#include <cstddef>
#include <string_view>

#include "platform/graphics/Canvas.h"
#include "skinengine/controls/sCheckedControl.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleCompose.h"

namespace sCheckedControl {

using namespace framework;
using namespace platform;

namespace {

// A check area of a built-in glyph this tall is laid out as 14.
constexpr int TallDefaultGlyph = 18;
constexpr int PlainCellSize = 14;

// The cell of a glyph strip: a third of its width, half its height.
TSize CellOf(const Bitmap& strip) {
  return {strip.Width() / 3, strip.Height() / 2};
}

}  // namespace

const Bitmap* TsCheckedControl::SkinGlyph(bool checked) const {
  if (!sStyle_->Section()) return nullptr;
  const std::string_view name = checked ? "GLYPHCHECKED" : "GLYPHUNCHECKED";
  const int index =
      sSkinManager::FindImageIndex(sStyle_->SkinIndex(), sStyle_->SkinSection(), name);
  const auto& images = sSkinManager::SkinImages();
  if (index < 0 || static_cast<std::size_t>(index) >= images.size()) return nullptr;
  const auto& bitmap = images[static_cast<std::size_t>(index)].Bitmap;
  return bitmap ? &bitmap->Data() : nullptr;
}

TRect TsCheckedControl::CheckArea(TSize cell) const {
  const int top = (Height() - cell.cy) / 2;
  const int left = layout_ == calLeft ? 0 : Width() - cell.cx - 3;
  const int right = layout_ == calLeft ? cell.cx : Width();
  return {left, top, right, top + cell.cy};
}

TRect TsCheckedControl::CheckGlyphRect() const {
  if (const Bitmap* skin = SkinGlyph(true)) return CheckArea(CellOf(*skin));
  if (!glyphChecked_->Empty()) return CheckArea(CellOf(glyphChecked_->Data()));
  if (images_) return CheckArea({images_->Width(), images_->Height()});
  TSize cell{PlainCellSize, PlainCellSize};
  if (sStyle_->ControlKind() == sStyleSimply::KindCheckBox) {
    const Bitmap& glyph = DefaultGlyph(true, true, false);
    if (!glyph.Empty()) cell = {glyph.Width(), glyph.Height()};
    if (cell.cx == TallDefaultGlyph) cell.cx = PlainCellSize;
    if (cell.cy == TallDefaultGlyph) cell.cy = PlainCellSize;
  }
  return CheckArea(cell);
}

TRect TsCheckedControl::CaptionRect() const {
  const int m = CaptionMargin;
  const int room = CheckGlyphRect().Height() + 4;
  if (layout_ == calLeft) return {m + room, m, Width() - m, Height() - m};
  return {m, m, Width() - room - m, Height() - m};
}

void TsCheckedControl::Paint() {
  if (!Busy()) PaintLook();
}

void TsCheckedControl::RepaintAll() {
  if (!Busy() && HandleAllocated()) PaintLook();
}

void TsCheckedControl::PaintLook() {
  sStyle_->ResizeCache();
  TBitmap& cache = *sStyle_->CacheBmp();
  TCanvas& canvas = *cache.Canvas();
  canvas.SetFont(Font());
  PaintBackground(cache.Data());
  PaintCaption(canvas);
  PaintGlyph(cache.Data());
  if (platform::Canvas* dc = Canvas()->Handle()) sStyle_->CopyCache(*dc, {0, 0, Width(), Height()});
}

// The parent's picture under the control, or the painting colour, which follows the parent's.
void TsCheckedControl::PaintBackground(Bitmap& cache) {
  cache.Fill(ColorToRGB(sStyle_->Painting()->Color()));
  if (const auto parent = sStyle_->GetParentBackground())
    sStyleUtil::CopyParentBackground(cache, *parent,
                                     sStyleUtil::ParentSourceRect(*parent, BoundsRect()));
}

void TsCheckedControl::PaintCaption(TCanvas& canvas) {
  platform::Canvas* dc = canvas.Handle();
  if (!dc) return;  // nothing to paint on in a control of no size
  TRect r = CaptionRect();
  if (!Caption().empty()) {
    const unsigned align = alignment_ == taCenter         ? DT_CENTER
                           : alignment_ == taRightJustify ? DT_RIGHT
                                                          : DT_LEFT;
    const unsigned lines = multiLine_ ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    dc->SetFont(Font()->Data());
    sGraphUtils::WriteText(*dc, Caption(), Enabled(), lines | align, r);
  }
  if (Focused() && showFocus_) canvas.DrawFocusRect(r.Inflate(1, 1));
}

// A bound style draws the section's strip or nothing; an unbound one its own strip, else the
// list's image or the built-in glyph, keyed by its bottom-left pixel.
void TsCheckedControl::PaintGlyph(Bitmap& cache) {
  const bool active = sStyle_->IsActive();
  const int cell = pressed_ ? 2 : active ? 1 : 0;
  if (sStyle_->Section()) {
    if (const Bitmap* strip = SkinGlyph(checked_))
      sMaskData::BlendGlyphCell(cache, *strip, CheckArea(CellOf(*strip)).TopLeft(), cell);
    return;
  }
  const TBitmap& own = checked_ ? *glyphChecked_ : *glyphUnChecked_;
  const TPoint at = CheckGlyphRect().TopLeft();
  if (own.Width() > 0) {
    sMaskData::BlendGlyphCell(cache, own.Data(), at, cell);
    return;
  }
  if (images_) {
    // The list knows its transparent pixels: an image may well be opaque at its corner.
    sGraphUtils::DrawTransparent(cache, ListGlyph(active), at.X, at.Y, clFuchsia);
    return;
  }
  const Bitmap& glyph =
      DefaultGlyph(sStyle_->ControlKind() == sStyleSimply::KindCheckBox, checked_, active);
  if (!glyph.Empty())
    sGraphUtils::DrawTransparent(cache, glyph, at.X, at.Y, glyph.Pixel(0, glyph.Height() - 1));
}

// The list's image of the state, its transparent pixels in clFuchsia.
Bitmap TsCheckedControl::ListGlyph(bool active) const {
  const int index = checked_ ? (active ? imgCheckedHot_ : imgChecked_)
                             : (active ? imgUncheckedHot_ : imgUnchecked_);
  TBitmap image;
  image.SetSize(images_->Width(), images_->Height());
  image.Data().Fill(clFuchsia);
  // An index past the list leaves the background alone, which is all transparent.
  if (index >= 0 && index < images_->Count()) images_->GetBitmap(index, image);
  return image.Data();
}

}  // namespace sCheckedControl
