#include <cstddef>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleUtil.h"

namespace sSkinProvider {

using namespace platform;

namespace {

// Every run of transparent pixels in the picture half's rows of columns [from, to) of the
// mask, as one-pixel-high rectangles placed `shift` to the right.
void AddRuns(std::vector<TRect>& runs, const Bitmap& mask, int from, int to, int shift) {
  const int rows = mask.Height() / 6 * 3;
  for (int y = 0; y < rows; ++y) {
    int start = -1;
    for (int x = from; x <= to; ++x) {
      const bool transparent = x < to && mask.Pixel(x, y) == sSkinManager::SkinTransparentColor;
      if (transparent && start < 0) start = x;
      if (!transparent && start >= 0) {
        runs.push_back({shift + start, y, shift + x, y + 1});
        start = -1;
      }
    }
  }
}

// Whether a pixel of a border mask's picture half lies outside the shape: transparent, or
// letting more than half of what is below through (below lies the frame's own face, which
// would show as a light pixel beyond the rounded border).
bool Outside(const Bitmap& mask, int x, int y) {
  const int below = mask.Height() / 2;
  return mask.Pixel(x, y) == sSkinManager::SkinTransparentColor ||
         (mask.Pixel(x, y + below) & 0xFF) > 0x7F;
}

// The outer pixels of the normal block's bottom corner slices, row by row from the window's
// edge inwards up to the first pixel of the shape, placed at the window's bottom corners.
void AddBottomCorners(std::vector<TRect>& runs, const Bitmap& mask, TSize window) {
  const TSize slice = sMaskData::SliceSize(mask);
  for (int row = 0; row < slice.cy; ++row) {
    const int y = 2 * slice.cy + row;
    const int top = window.cy - slice.cy + row;
    int left = 0;
    while (left < slice.cx && Outside(mask, left, y)) ++left;
    int right = 0;
    while (right < slice.cx && Outside(mask, 3 * slice.cx - 1 - right, y)) ++right;
    if (left > 0) runs.push_back({0, top, left, top + 1});
    if (right > 0) runs.push_back({window.cx - right, top, window.cx, top + 1});
  }
}

const Bitmap* SectionMask(const char* section) {
  const int index =
      sSkinManager::FindImageIndex(sSkinManager::FindSectionIndex(section), section, "BORDERSMASK");
  return index < 0 ? nullptr
                   : &sSkinManager::SkinImages()[static_cast<std::size_t>(index)].Bitmap->Data();
}

}  // namespace

// The title's rounded corners: the magenta of the normal block's corner columns in the
// "FORMTITLE" mask, the left ones at the window's left edge, the right ones at its right. The
// frame's rounded bottom corners: what lies outside the "FORM" mask's bottom corners.
void TsSkinProvider::ComputeCutOuts() {
  regionMustBeComputed_ = false;
  cutOuts_.clear();
  if (const Bitmap* title = SectionMask("FORMTITLE")) {
    const int third = title->Width() / 3;
    AddRuns(cutOuts_, *title, 0, title->Width() / 9, 0);
    AddRuns(cutOuts_, *title, 2 * title->Width() / 9, third, form_->Width() - third);
  }
  const Bitmap* frame = SectionMask("FORM");
  if (frame && form_->Width() >= 2 * sMaskData::SliceSize(*frame).cx &&
      form_->Height() >= 2 * sMaskData::SliceSize(*frame).cy)
    AddBottomCorners(cutOuts_, *frame, {form_->Width(), form_->Height()});
}

void TsSkinProvider::ApplyRegion() {
  const TRect bounds = GetWindowBounds(Window());
  const Region whole(TRect{0, 0, bounds.Width(), bounds.Height()});
  SetWindowRgn(Window(), whole.Difference(Region::FromRects(cutOuts_)), true);
  regionApplied_ = true;
}

// Applying the region repaints the frame, so the paints alternate: one applies the region,
// the next copies the frame.
void TsSkinProvider::NcPaint(TMessage& m) {
  if (regionMustBeComputed_) ComputeCutOuts();
  if (!regionApplied_) return ApplyRegion();
  m.Result = 1;
  CopyNonClient();
  regionApplied_ = false;
}

// The four strips round the client area.
void TsSkinProvider::CopyNonClient() {
  if (!IsWindowVisible(Window())) return;
  BuildCache();
  Bitmap& cache = frameStyle_->Bitmap()->Data();
  const TRect client = GetClientRectInWindow(Window());
  const int width = cache.Width();
  const int height = cache.Height();
  WindowCanvas screen = GetWindowCanvas(Window());
  const Canvas source(cache);
  for (const TRect& strip :
       {TRect{0, 0, width, client.Top}, TRect{0, client.Top, client.Left, height},
        TRect{client.Left, client.Bottom, client.Right, height},
        TRect{client.Right, client.Top, width, height}})
    screen->CopyRect(strip, source, strip);
}

// The cache goes under the form's own painting, so that its graphic controls show on it.
void TsSkinProvider::PaintClient(TMessage& m) {
  if (Canvas* given = CanvasOf(m)) {
    CopyClient(*given);
    CallSaved(m);
  } else if (!IsWindowVisible(Window())) {
    return CallSaved(m);
  } else {
    // Sent rather than posted, the paint asks for the whole client area.
    if (GetUpdateRgn(Window()).IsEmpty()) InvalidateRect(Window(), nullptr, false);
    PaintStruct paint;
    WindowCanvas canvas = BeginPaint(Window(), paint);
    CopyClient(canvas.Get());
    TMessage own{WM_PAINT, CanvasParam(canvas.Get()), 0, 0};
    CallSaved(own);
  }
  RefreshChildren();
}

void TsSkinProvider::CopyClient(Canvas& canvas) {
  BuildCache();
  Bitmap& cache = frameStyle_->Bitmap()->Data();
  const TRect client = GetClientRect(Window());
  canvas.CopyRect(client, Canvas(cache), client.Offset(ClientOffset()));
}

// Skinned children repaint over the new picture; their repaints paint the form again, which
// must not start another round.
void TsSkinProvider::RefreshChildren() {
  if (refreshing_) return;
  struct Round {
    bool& Flag;
    explicit Round(bool& flag) : Flag(flag) { Flag = true; }
    ~Round() { Flag = false; }
    Round(const Round&) = delete;
    Round& operator=(const Round&) = delete;
  } round(refreshing_);
  const bool rebuilt = cacheStale_;
  cacheStale_ = false;
  sStyleUtil::RefreshSkinnedChildren(*form_, rebuilt);
}

}  // namespace sSkinProvider
