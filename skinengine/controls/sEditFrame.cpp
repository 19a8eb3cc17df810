#include <cstddef>
#include <exception>

#include "platform/graphics/Region.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"

namespace sEdit {

using namespace platform;
using sBevels::TsEditorBevel;

namespace {

// The border mask of the style's bound section, or null.
const sSkinManager::SkinImageEntry* BorderMask(const sStyleEdits::TsStyle& style) {
  const auto& images = sSkinManager::SkinImages();
  const int index = style.MaskIndex();
  if (!style.Section() || index < 0 || static_cast<std::size_t>(index) >= images.size())
    return nullptr;
  const sSkinManager::SkinImageEntry& entry = images[static_cast<std::size_t>(index)];
  return entry.Bitmap && entry.Bitmap->Width() > 0 ? &entry : nullptr;
}

}  // namespace

// The frame lies in the non-client area, on the whole window's canvas.
void TsEdit::PaintFrame() {
  if (!sStyle_ || Busy() || !HandleAllocated()) return;
  WindowCanvas window = GetWindowCanvas(Handle());
  const TColor color = ColorToRGB(sStyle_->BackgroundColor());
  if (const sSkinManager::SkinImageEntry* mask = BorderMask(*sStyle_)) {
    PaintMaskFrame(window.Get(), mask->Bitmap->Data(), mask->TransparentColor, color);
    return;
  }
  // A frame that cannot be drawn leaves the field as it is.
  try {
    PaintBevelFrame(window.Get(), color);
  } catch (const std::exception&) {
  }
}

// The mask is painted over the whole field in the cache, and only its frame goes to the
// window; its transparent pixels cut the window's region when that is due.
void TsEdit::PaintMaskFrame(platform::Canvas& dc, const Bitmap& mask, TColor transparent,
                            TColor color) {
  const int w = Width();
  const int h = Height();
  framework::TBitmap& cache = *sStyle_->CacheBmp();
  cache.SetSize(w, h);
  cache.Data().Fill(color);
  const int state = sStyle_->Focused() ? 2 : sStyle_->IsActive() ? 1 : 0;
  const bool newRegion = sStyle_->RegionStale();
  Region region(TRect{0, 0, w, h});
  sMaskData::PaintMaskedBorder(cache.Data(), mask, state, false, transparent, region);
  const platform::Canvas source(cache.Data());
  const TRect strips[] = {{0, 0, w, FrameSize},
                          {0, FrameSize, FrameSize, h},
                          {FrameSize, h - FrameSize, w, h},
                          {w - FrameSize, FrameSize, w, h}};
  for (const TRect& strip : strips) dc.CopyRect(strip, source, strip);
  if (!newRegion) return;
  // Cleared first: setting the region repaints the frame, which must not set it again.
  sStyle_->SetRegionStale(false);
  SetWindowRgn(Handle(), std::move(region), true);
}

// Three one-pixel frames in the field's colour, then the style's bevel over them, or the
// selection border while the field is hot or focused.
void TsEdit::PaintBevelFrame(platform::Canvas& dc, TColor color) {
  const TRect all{0, 0, Width(), Height()};
  int frames = FrameSize;
  sGraphUtils::PaintFrame3D(dc, all, color, frames, color);
  const sStyleEdits::TsPainting& painting = *sStyle_->Painting();
  if (painting.Bevel() == sBevels::ebNone) return;
  const sSkinManager::SkinSectionData* section = sStyle_->Section();
  const TColor top = section ? section->PaintingColorBorderTop : painting.ColorBorderTop();
  const TColor bottom = section ? section->PaintingColorBorderBottom : painting.ColorBorderBottom();
  const bool soft = sStyle_->SoftControl();
  const sStyleEdits::TsEditorSelection& selection = *sStyle_->Selection();
  if (!sStyle_->IsActive() || !selection.Mode().Contains(sStyleEdits::msBorder)) {
    sGraphUtils::PaintLineFrame(dc, top, bottom, soft, painting.Bevel(), 1, all, color);
    return;
  }
  const TsEditorBevel kind = section ? section->SelectionBorderBevel : selection.Border()->Bevel();
  const int width = section ? section->SelectionBorderWidth : selection.Border()->Width();
  if (kind == sBevels::ebNone) return;
  sGraphUtils::PaintLineFrame(dc, top, bottom, soft, kind, width, all, color);
  if (width <= 1 || kind != sBevels::ebLowered) return;
  // A wide lowered border gets the sunken edge of a plain field over it.
  int outer = 1;
  sGraphUtils::PaintFrame3D(dc, all, clBtnShadow, outer, clWhite);
  int inner = 1;
  sGraphUtils::PaintFrame3D(dc, all.Inflate(-1, -1), cl3DDkShadow, inner, ColorToRGB(cl3DLight));
}

}  // namespace sEdit
