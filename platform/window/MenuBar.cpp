#include <algorithm>

#include "platform/window/MenuSystem.h"
#include "platform/window/MenuTracker.h"
#include "platform/window/Menus.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/NonClient.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

// The bar's gap on either side of an item's measured width.
constexpr int kBarItemPadding = 12;

struct BarLayout {
  std::vector<TRect> Items;  // window coordinates; empty for an invisible item
  int Lines = 1;
};

int LineHeight() {
  return GetSystemMetrics(SM_CYMENU) - 1;
}

// Items run from x = SM_CXFRAME, each its measured width plus the padding wide, and wrap to a
// new line when the next one would pass the window's width; a frame painter that lays out its
// own bar by the same rule puts every item where the platform hit-tests it.
BarLayout Layout(MenuSystem& menus, HWND h) {
  BarLayout layout;
  Window* w = FindWindow(h);
  Menu* m = w != nullptr ? menus.Find(w->Menu) : nullptr;
  if (m == nullptr) return layout;
  const HMENU menu = w->Menu;
  const int frame = GetSystemMetrics(SM_CXFRAME);
  const int width = w->Bounds.Width();
  const int top = FrameSize(*w) + CaptionRect(*w).Height();
  int x = frame;
  int y = top;
  for (int i = 0; i < static_cast<int>(m->Items.size()); ++i) {
    if (!m->Items[static_cast<std::size_t>(i)].Info.Visible) {
      layout.Items.emplace_back();
      continue;
    }
    const int itemWidth = menus.MeasureItem(h, menu, i).cx;
    if ((m = menus.Find(menu)) == nullptr) break;
    if (width - 2 * frame - 6 < x + itemWidth + kBarItemPadding) {
      x = frame;
      y += LineHeight();
      ++layout.Lines;
    }
    layout.Items.push_back({x, y, x + itemWidth + kBarItemPadding, y + LineHeight()});
    x += itemWidth + kBarItemPadding;
  }
  return layout;
}

void PaintPlainBarItem(Canvas& c, const MenuItemInfo& info, const TRect& r, std::uint32_t state) {
  const bool selected = (state & ODS_SELECTED) != 0;
  c.GetBrush().Color = selected ? clMenuHighlight : clMenu;
  c.FillRect(r);
  if ((state & ODS_HOTLIGHT) != 0) {
    PaintEdge(c, r, clBtnHighlight, clBtnShadow);
  }
  Font font;
  font.Color = !info.Enabled ? clGrayText : selected ? clHighlightText : clMenuText;
  c.SetFont(font);
  c.GetBrush().Style = BrushStyle::Clear;
  TRect text = r;
  c.DrawText(MenuItemCaption(info.Text), text,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  c.GetBrush().Style = BrushStyle::Solid;
}

void PaintBarItem(MenuSystem& menus, HWND h, Canvas& c, int index, const TRect& r) {
  Window* w = FindWindow(h);
  Menu* m = w != nullptr ? menus.Find(w->Menu) : nullptr;
  if (m == nullptr || index >= static_cast<int>(m->Items.size()) || r.IsEmpty()) return;
  const MenuItemInfo info = m->Items[static_cast<std::size_t>(index)].Info;
  const std::uint32_t state = menus.BarItemState(h, index);
  const Region saved = c.ClipRegion();
  c.IntersectClipRect(r);
  if (info.OwnerDraw) {
    DrawItemStruct dis{ODT_MENU, info.Id, ODA_DRAWENTIRE, state, w->Menu, index, h,
                       &c,       r,       info.ItemData};
    SendMessage(h, WM_DRAWITEM, 0, DrawItemParam(dis));
  } else {
    PaintPlainBarItem(c, info, r, state);
  }
  c.SetClipRegion(saved);
}

}  // namespace

TSize MenuSystem::MeasureItem(HWND owner, HMENU menu, int index) {
  Menu* m = Find(menu);
  if (m == nullptr || index < 0 || index >= static_cast<int>(m->Items.size())) return {};
  MenuItem& item = m->Items[static_cast<std::size_t>(index)];
  if (item.Measured) return *item.Measured;
  TSize size;
  if (item.Info.OwnerDraw) {
    MeasureItemStruct mis{ODT_MENU, item.Info.Id, menu, index, 0, 0, item.Info.ItemData};
    SendMessage(owner, WM_MEASUREITEM, 0, MeasureItemParam(mis));
    size = {std::max(0, mis.ItemWidth), std::max(0, mis.ItemHeight)};
  } else if (item.Info.Separator) {
    size = {0, GetSystemMetrics(SM_CYMENU) / 2};
  } else {
    size = {TextExtent(Font{}, MenuItemCaption(item.Info.Text)).cx, GetSystemMetrics(SM_CYMENU)};
  }
  // The owner may have changed the menu while measuring.
  if ((m = Find(menu)) != nullptr && index < static_cast<int>(m->Items.size())) {
    m->Items[static_cast<std::size_t>(index)].Measured = size;
  }
  return size;
}

int MenuSystem::BarHeight(HWND h) {
  return Layout(*this, h).Lines * LineHeight() + 1;
}

std::vector<TRect> MenuSystem::BarItemRects(HWND h) {
  return Layout(*this, h).Items;
}

std::uint32_t MenuSystem::BarItemState(HWND h, int index) {
  Window* w = FindWindow(h);
  Menu* m = w != nullptr ? Find(w->Menu) : nullptr;
  if (m == nullptr || index < 0 || index >= static_cast<int>(m->Items.size())) return 0;
  const MenuItemInfo& info = m->Items[static_cast<std::size_t>(index)].Info;
  std::uint32_t state = 0;
  if (!info.Enabled) state |= ODS_GRAYED | ODS_DISABLED;
  if (info.Checked) state |= ODS_CHECKED;
  if (info.Default) state |= ODS_DEFAULT;
  if (tracker_ && tracker_->SelectedBarItem(h) == index) {
    state |= ODS_SELECTED;
  } else if (hotWindow_ == h && hotItem_ == index) {
    state |= ODS_HOTLIGHT;
  }
  return state;
}

void MenuSystem::PaintBar(HWND h, Canvas& c) {
  const TRect bar = MenuBarRect(h);
  c.GetBrush().Color = clMenuBar;
  c.FillRect(bar);
  const BarLayout layout = Layout(*this, h);
  for (int i = 0; i < static_cast<int>(layout.Items.size()); ++i) {
    PaintBarItem(*this, h, c, i, layout.Items[static_cast<std::size_t>(i)]);
  }
}

void MenuSystem::RepaintBarItem(HWND h, int index) {
  const std::vector<TRect> rects = BarItemRects(h);
  if (index < 0 || index >= static_cast<int>(rects.size())) return;
  const TRect r = rects[static_cast<std::size_t>(index)];
  WindowCanvas canvas = GetWindowCanvas(h);
  canvas->IntersectClipRect(r);
  canvas->GetBrush().Color = clMenuBar;
  canvas->FillRect(r);
  PaintBarItem(*this, h, *canvas, index, r);
}

void MenuSystem::HotTrack(HWND h, TPoint screen) {
  if (hotWindow_ != h) ClearHot(hotWindow_);
  const TPoint p = ScreenToWindow(h, screen);
  const std::vector<TRect> rects = BarItemRects(h);
  const auto found =
      std::find_if(rects.begin(), rects.end(), [&](const TRect& r) { return r.Contains(p); });
  const int item = found == rects.end() ? -1 : static_cast<int>(found - rects.begin());
  if (hotWindow_ == h && hotItem_ == item) return;
  const int old = hotWindow_ == h ? hotItem_ : -1;
  hotWindow_ = h;
  hotItem_ = item;
  RepaintBarItem(h, old);
  RepaintBarItem(h, item);
}

void MenuSystem::ClearHot(HWND h) {
  if (h == NullWindow || hotWindow_ != h) return;
  const int old = hotItem_;
  hotWindow_ = NullWindow;
  hotItem_ = -1;
  RepaintBarItem(h, old);
}

}  // namespace platform
