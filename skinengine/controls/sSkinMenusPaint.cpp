#include <optional>

#include "framework/forms/ImageList.h"
#include "framework/graphics/Bitmap.h"
#include "platform/window/Metrics.h"
#include "skinengine/controls/sSkinMenus.h"
#include "skinengine/controls/sSkinMenusCache.h"
#include "skinengine/controls/sSkinMenusItem.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sFramePainter.h"
#include "skinengine/skin/sGraphUtilsSkin.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleSection.h"

namespace sSkinMenus {

using framework::odChecked;
using framework::odDefault;
using framework::odDisabled;
using framework::odHotLight;
using framework::odSelected;
using framework::TCanvas;
using framework::TMenuItem;
using framework::TOwnerDrawState;
using platform::TRect;

namespace {

constexpr platform::TColor FrameShadow = 0x808080;

unsigned AlignmentFlags(framework::TAlignment alignment) {
  const unsigned line = platform::DT_VCENTER | platform::DT_SINGLELINE;
  switch (alignment) {
    case framework::taRightJustify:
      return platform::DT_RIGHT | line;
    case framework::taCenter:
      return platform::DT_CENTER | line;
    default:
      return platform::DT_LEFT | line;
  }
}

bool Hot(TOwnerDrawState state) {
  return state.Contains(odSelected) || state.Contains(odHotLight);
}

// A copy of rect of the canvas, which an item is painted over: where the skin has no section
// for it, the item keeps what lies below.
platform::Bitmap WhatLiesBelow(const platform::Canvas& canvas, const TRect& rect) {
  platform::Bitmap piece(rect.Width(), rect.Height());
  platform::Canvas(piece).CopyRect(piece.BoundsRect(), canvas, rect);
  return piece;
}

}  // namespace

// --- Popup items --------------------------------------------------------------------------

void TsSkinableMenus::ItemDraw(framework::TObject* sender, TCanvas* canvas, TRect rect,
                               TOwnerDrawState state) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !canvas || !canvas->Handle() || rect.IsEmpty()) return;
  switch (ItemType(*item)) {
    case smDivider:
      PaintDivider(*item, *canvas, rect);
      return;
    case smCaption:
      return;
    default:
      PaintNormalItem(*item, *canvas, rect, state);
  }
}

// The divider lies on the face its neighbours have, so that the line alone stands out and
// its inset ends show no face of another colour.
void TsSkinableMenus::PaintDivider(const TMenuItem& item, TCanvas& canvas,
                                   const TRect& rect) const {
  framework::TBitmap bitmap;
  bitmap.Data() = WhatLiesBelow(*canvas.Handle(), rect);
  PaintItemFace(bitmap, item, false);
  canvas.Handle()->Draw(rect.Left, rect.Top, bitmap.Data());
  const int inset = borderWidth_ + margin_;
  int count = 1;
  sGraphUtils::PaintFrame3D(*canvas.Handle(),
                            {rect.Left + inset, rect.Top, rect.Right - inset, rect.Bottom},
                            FrameShadow, count, platform::clWhite);
}

// One background for the whole popup, under its first item, seen through every item from
// where the item lies among the popup's items (the popup's frame is no part of it), with the
// "MENUITEM" section over it.
void TsSkinableMenus::PaintItemFace(framework::TBitmap& bitmap, const TMenuItem& item,
                                    bool selected) const {
  TCanvas& b = *bitmap.Canvas();
  const TMenuItem* first = item.Parent() ? item.Parent()->Items(0) : &item;
  b.SetFont(font_.get());
  const TsPopupPlace place = PopupPlace(b, item, margin_);
  const platform::Bitmap& background = PopupBackground(first, bitmap.Data().Width(), place.Height);
  const int section = sSkinManager::FindSectionIndex("MENUITEM");
  sStyleUtil::PaintSection(bitmap.Data(), bitmap.Data().BoundsRect(), section, selected, true,
                           sStyleUtil::TsSectionParent{&background, {0, place.Top}});
}

void TsSkinableMenus::PaintNormalItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                                      TOwnerDrawState state) {
  const int w = rect.Width();
  const int h = rect.Height();
  framework::TBitmap bitmap;
  bitmap.Data() = WhatLiesBelow(*canvas.Handle(), rect);
  TCanvas& b = *bitmap.Canvas();
  PaintItemFace(bitmap, item, state.Contains(odSelected));
  const int section = sSkinManager::FindSectionIndex("MENUITEM");
  if (state.Contains(odChecked)) PaintCheck(*b.Handle(), item, h);
  const framework::TImageList* images = item.GetImageList();
  if (images && item.ImageIndex() >= 0) {
    const int at = (h - images->Height()) / 2;
    images->Draw(b, at, at, item.ImageIndex(), !state.Contains(odDisabled));
  }
  const platform::TSize glyph = GlyphSize(item);
  PaintTexts(b, item, {glyph.cx + 2 * margin_, 0, w, h}, w - glyph.cx - 2 * margin_, w - 8, section,
             state);
  if (OnDrawItem) OnDrawItem(&item, &b, {0, 0, w, h}, state, smNormal);
  canvas.Handle()->Draw(rect.Left, rect.Top, bitmap.Data());
}

void TsSkinableMenus::PaintCheck(platform::Canvas& canvas, const TMenuItem& item,
                                 int height) const {
  const platform::TSize glyph = GlyphSize(item);
  const int top = (height - glyph.cy) / 2;
  const TRect square{margin_, top, margin_ + glyph.cx, top + glyph.cy};
  sGraphUtils::BlendColor(canvas, square, canvas, 0, sGraphUtils::BlendShape::RoundRect, 0,
                          platform::clWhite, 50, {square.Left, square.Top});
  int count = 1;
  sGraphUtils::PaintFrame3D(canvas, square, FrameShadow, count, platform::clWhite);
  sGraphUtils::PaintCheckMark(canvas, square, item.Enabled(), platform::clBlack);
}

// --- Bar items ----------------------------------------------------------------------------

void TsSkinableMenus::BarDraw(framework::TObject* sender, TCanvas* canvas, TRect rect,
                              TOwnerDrawState state) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !canvas || !canvas->Handle() || rect.IsEmpty()) return;
  const sSkinManager::TsFramePainter* frame = sSkinManager::FramePainterOf(item);
  if (!frame) return;
  std::optional<sStyleUtil::TsSectionParent> strip;
  if (const framework::TBitmap* bar = frame->MenuBarStrip()) {
    // The strip starts below the title band.
    const int title = platform::GetSystemMetrics(platform::SM_CYCAPTION) +
                      platform::GetSystemMetrics(platform::SM_CYFRAME);
    strip = sStyleUtil::TsSectionParent{&bar->Data(), {rect.Left, rect.Top - title}};
  }
  platform::Canvas& dc = *canvas->Handle();
  platform::Bitmap piece = WhatLiesBelow(dc, rect);
  sStyleUtil::PaintSection(piece, piece.BoundsRect(), sSkinManager::FindSectionIndex("MENUITEM"),
                           Hot(state), true, strip);
  dc.Draw(rect.Left, rect.Top, piece);
  canvas->SetFont(font_.get());
  const TRect caption{rect.Left + margin_, rect.Top, rect.Right - margin_, rect.Bottom};
  PaintTexts(*canvas, *item, caption, caption.Width(), rect.Right - 8,
             sSkinManager::FindSectionIndex("MENULINE"), state);
  if (OnDrawItem) OnDrawItem(item, canvas, rect, state, smTopLine);
}

// --- Texts --------------------------------------------------------------------------------

void TsSkinableMenus::PaintTexts(TCanvas& canvas, const TMenuItem& item, const TRect& rect,
                                 int shortcutLeft, int shortcutRight, int sectionIndex,
                                 TOwnerDrawState state) const {
  framework::TFontStyles style = font_->Style();
  if (state.Contains(odDefault)) style.Include(framework::fsBold);
  canvas.Font()->SetStyle(style);
  platform::Canvas& dc = *canvas.Handle();
  dc.SetFont(canvas.Font()->Data());
  const bool hot = Hot(state);
  TRect place = rect;
  sGraphUtils::WriteSkinnedText(dc, item.Caption(), item.Enabled(), hot, sectionIndex,
                                AlignmentFlags(alignment_), place);
  const std::string shortcut = framework::ShortCutToText(item.ShortCut());
  if (shortcut.empty()) return;
  // Right-aligned at its right edge; wider text runs on to the left rather than being cut.
  TRect keys{shortcutLeft, rect.Top, shortcutRight, rect.Bottom};
  sGraphUtils::WriteSkinnedText(
      dc, shortcut, item.Enabled(), hot, sectionIndex,
      platform::DT_RIGHT | platform::DT_VCENTER | platform::DT_SINGLELINE | platform::DT_NOCLIP,
      keys);
}

}  // namespace sSkinMenus
