#include <algorithm>
#include <cmath>
#include <string>

#include "framework/forms/ImageList.h"
#include "platform/window/Metrics.h"
#include "skinengine/controls/sSkinMenus.h"
#include "skinengine/controls/sSkinMenusItem.h"

namespace sSkinMenus {

using framework::TCanvas;
using framework::TMenuItem;

namespace {

// What an item is measured by: a caption item with one more hyphen on each side, a divider
// by nothing, any other by its caption followed by its shortcut.
std::string MeasuredText(const TMenuItem& item) {
  switch (ItemType(item)) {
    case smCaption:
      return "-" + item.Caption() + "-";
    case smDivider:
      return {};
    default:
      return ItemText(item);
  }
}

// An item's height from the text height of "W" and the glyph height.
int HeightOf(TsMenuItemType type, int textHeight, int glyphHeight, int margin) {
  const int text = static_cast<int>(std::nearbyint(textHeight * 1.25));
  switch (type) {
    case smDivider:
      return 2;
    case smCaption:
      return text + 2 * margin;
    default:
      return std::max(text, glyphHeight) + 2 * margin;
  }
}

}  // namespace

std::string ItemText(const TMenuItem& item) {
  return item.Caption() + framework::ShortCutToText(item.ShortCut());
}

platform::TSize GlyphSize(const TMenuItem& item) {
  const framework::TMenu* menu = item.GetParentMenu();
  const framework::TImageList* images = menu ? menu->Images() : nullptr;
  return images ? platform::TSize{images->Width(), images->Height()} : platform::TSize{16, 16};
}

int ItemHeight(TCanvas& canvas, const TMenuItem& item, int margin) {
  return HeightOf(ItemType(item), canvas.TextHeight("W"), GlyphSize(item).cy, margin);
}

// Every child of the item's parent counts towards the height, shown or not; an item lies
// below the shown ones before it. They share one text and glyph height.
TsPopupPlace PopupPlace(TCanvas& canvas, const TMenuItem& item, int margin) {
  const TMenuItem* parent = item.Parent();
  if (!parent) return {0, ItemHeight(canvas, item, margin)};
  const int textHeight = canvas.TextHeight("W");
  const int glyphHeight = GlyphSize(item).cy;
  TsPopupPlace place{0, 0};
  int shown = 0;
  for (int i = 0; i < parent->Count(); ++i) {
    const TMenuItem& sibling = *parent->Items(i);
    if (&sibling == &item) place.Top = shown;
    const int height = HeightOf(ItemType(sibling), textHeight, glyphHeight, margin);
    place.Height += height;
    if (sibling.Visible()) shown += height;
  }
  return place;
}

void TsSkinableMenus::ItemMeasure(framework::TObject* sender, TCanvas* canvas, int& width,
                                  int& height) {
  const auto* item = dynamic_cast<const TMenuItem*>(sender);
  if (!item || !canvas) return;
  canvas->SetFont(font_.get());
  width = 2 * GlyphSize(*item).cx + canvas->TextWidth(MeasuredText(*item)) + 3 * margin_;
  height = ItemHeight(*canvas, *item, margin_);
}

void TsSkinableMenus::BarMeasure(framework::TObject* sender, TCanvas* canvas, int& width,
                                 int& height) {
  const auto* item = dynamic_cast<const TMenuItem*>(sender);
  if (!item || !canvas) return;
  canvas->SetFont(font_.get());
  width = canvas->TextWidth(ItemText(*item)) + margin_;
  height = platform::GetSystemMetrics(platform::SM_CYMENU) - 1;
}

}  // namespace sSkinMenus
