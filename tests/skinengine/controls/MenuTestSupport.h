#pragma once

// The skin engine's menu painter at work: three menu sections of known colours, and helpers
// that measure and draw one item through its handlers.

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/forms/Menus.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "skinengine/controls/sSkinMenus.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"
#include "tests/skinengine/controls/TestFramePainter.h"

namespace menutests {

using platform::TColor;

constexpr TColor Below = 0x606060;  // what the canvas holds before an item is drawn
constexpr TColor PopupColor = 0xF0F0F0;
constexpr TColor ItemColor = 0x40C0C0;  // the item's own look, where nothing shows through
constexpr TColor HotColor = 0xC05000;
constexpr TColor ItemText = 0x533924;
constexpr TColor HotItemText = 0xFFFFFF;
constexpr TColor BarText = 0x00A000;
constexpr TColor HotBarText = 0x0000A0;

inline sGraphUtils::TsFontColor Plain(TColor color) {
  return {static_cast<std::int32_t>(color), -1, -1, -1, -1};
}

// "MAINMENU" a plain popup colour, "MENUITEM" see-through with a solid hot look, "MENULINE"
// only text colours; the skin active.
inline void LoadMenuSections() {
  auto popup = skintests::Section("MainMenu");
  popup.PaintingColor = PopupColor;
  auto item = skintests::Section("MenuItem");
  item.PaintingColor = ItemColor;
  item.PaintingTransparency = 100;
  item.FontColor = Plain(ItemText);
  item.HotPaintingColor = HotColor;
  item.HotFontColor = Plain(HotItemText);
  auto line = skintests::Section("MenuLine");
  line.FontColor = Plain(BarText);
  line.HotFontColor = Plain(HotBarText);
  sSkinManager::SkinSections() = {popup, item, line};
  sSkinManager::SetSkinLoaded(true);
  sSkinManager::SkinData().Active = true;
}

// How near the pixels in r come to the colour: the largest channel difference of the nearest.
// Text comes within TextNear of its colour where it covers a pixel (nearly) wholly.
inline constexpr int TextNear = 8;
inline int Nearest(const platform::Bitmap& b, const platform::TRect& r, TColor color) {
  const TColor rgb = platform::ColorToRGB(color);
  int nearest = 255;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const TColor p = b.Pixel(x, y);
      int worst = 0;
      for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((p >> shift) & 0xFF) - int((rgb >> shift) & 0xFF)));
      nearest = std::min(nearest, worst);
    }
  return nearest;
}

// A picture of the skin for a section's property (both upper case, as the loaders store them).
inline void AddSkinImage(const char* section, const char* property,
                         const platform::Bitmap& picture) {
  auto bitmap = std::make_unique<framework::TBitmap>();
  bitmap->Data() = picture;
  sSkinManager::SkinImages().push_back({std::move(bitmap), section, property});
}

// The size an item's measure handler answers, -1 x -1 when it leaves it alone.
inline platform::TSize Measure(framework::TMenuItem& item) {
  framework::TBitmap scratch;
  scratch.SetSize(1, 1);
  int width = -1;
  int height = -1;
  if (item.OnMeasureItem) item.OnMeasureItem(&item, scratch.Canvas(), width, height);
  return {width, height};
}

// A canvas of what lies below, with one item drawn on it through its draw handler.
inline platform::Bitmap Drawn(framework::TMenuItem& item, const platform::TRect& rect,
                              framework::TOwnerDrawState state = {}, int width = 200,
                              int height = 80) {
  platform::Bitmap target(width, height);
  target.Fill(Below);
  platform::Canvas dc(target);
  framework::TCanvas canvas;
  canvas.SetHandle(&dc);
  if (item.OnAdvancedDrawItem) item.OnAdvancedDrawItem(&item, &canvas, rect, state);
  return target;
}

// Items under a parent, captions given; owned by owner.
inline std::vector<framework::TMenuItem*> AddItems(framework::TComponent* owner,
                                                   framework::TMenuItem& parent,
                                                   const std::vector<std::string>& captions) {
  std::vector<framework::TMenuItem*> items;
  for (const std::string& caption : captions) {
    auto* item = new framework::TMenuItem(owner);
    item->SetCaption(caption);
    parent.Add(item);
    items.push_back(item);
  }
  return items;
}

}  // namespace menutests
