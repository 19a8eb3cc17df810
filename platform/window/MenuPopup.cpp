#include <algorithm>

#include "platform/window/MenuSystem.h"
#include "platform/window/MenuTracker.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/NonClient.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

constexpr int kBorder = 3;
constexpr int kCheckColumn = 20;
constexpr int kArrowColumn = 20;
constexpr int kShortcutGap = 16;

std::uint32_t ItemState(const MenuItemInfo& info, bool selected) {
  std::uint32_t state = selected ? ODS_SELECTED : 0;
  if (!info.Enabled) state |= ODS_GRAYED | ODS_DISABLED;
  if (info.Checked) state |= ODS_CHECKED;
  if (info.Default) state |= ODS_DEFAULT;
  return state;
}

void PaintCheckMark(Canvas& c, const TRect& r) {
  const int x = r.Left + 6, y = r.Top + r.Height() / 2;
  for (int k = 0; k < 2; ++k) {
    const TPoint points[] = {{x, y - 1 + k}, {x + 2, y + 1 + k}, {x + 7, y - 4 + k}};
    c.Polyline(points);
  }
}

void PaintSubmenuArrow(Canvas& c, const TRect& r) {
  const int x = r.Right - 12, y = r.Top + r.Height() / 2;
  for (int k = 0; k < 4; ++k) c.FillRect({x + k, y - 3 + k, x + k + 1, y + 4 - k});
}

void PaintPlainItem(Canvas& c, const MenuItemInfo& info, const TRect& r, bool selected) {
  c.GetBrush().Color = selected && !info.Separator ? clHighlight : clMenu;
  c.FillRect(r);
  if (info.Separator) {
    const int y = r.Top + r.Height() / 2 - 1;
    PaintEdge(c, {r.Left + 1, y, r.Right - 1, y + 2}, clBtnShadow, clBtnHighlight);
    return;
  }
  const TColor text = !info.Enabled ? clGrayText : selected ? clHighlightText : clMenuText;
  Font font;
  font.Bold = info.Default;
  font.Color = text;
  c.SetFont(font);
  c.GetPen() = Pen{text, 1, PenStyle::Solid};
  c.GetBrush().Style = BrushStyle::Clear;
  TRect caption{r.Left + kCheckColumn, r.Top, r.Right - kArrowColumn, r.Bottom};
  constexpr unsigned line = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  c.DrawText(MenuItemCaption(info.Text), caption, DT_LEFT | line);
  TRect shortcut{r.Left + kCheckColumn, r.Top, r.Right - kArrowColumn, r.Bottom};
  c.DrawText(MenuItemShortcut(info.Text), shortcut, DT_RIGHT | line);
  c.GetBrush().Style = BrushStyle::Solid;
  c.GetBrush().Color = text;
  if (info.Checked) PaintCheckMark(c, r);
  if (info.SubMenu != NullMenu) PaintSubmenuArrow(c, r);
}

TSize PlainItemSize(const MenuItemInfo& info, TSize measured) {
  if (info.Separator) return measured;
  const std::string shortcut = MenuItemShortcut(info.Text);
  const int shortcutWidth = shortcut.empty() ? 0 : kShortcutGap + TextExtent(Font{}, shortcut).cx;
  return {kCheckColumn + measured.cx + shortcutWidth + kArrowColumn, measured.cy};
}

// Keeps the popup on the work area, opening to the other side of the point when it would
// not fit.
TPoint PlacePopup(TPoint at, TSize size) {
  const TRect work = CurrentBackend().WorkArea();
  if (at.X + size.cx > work.Right) at.X = std::max(work.Left, at.X - size.cx);
  if (at.Y + size.cy > work.Bottom) at.Y = std::max(work.Top, at.Y - size.cy);
  return at;
}

}  // namespace

HWND MenuSystem::CreatePopupWindow(HMENU menu, TPoint screen, std::vector<TRect>& itemRects) {
  const HWND owner = tracker_->Owner;
  const int count = static_cast<int>(Find(menu)->Items.size());
  std::vector<TSize> sizes;
  for (int i = 0; i < count; ++i) {
    Menu* m = Find(menu);
    if (m == nullptr || i >= static_cast<int>(m->Items.size())) return NullWindow;
    const MenuItemInfo info = m->Items[static_cast<std::size_t>(i)].Info;
    if (!info.Visible) {
      sizes.emplace_back();
      continue;
    }
    const TSize measured = MeasureItem(owner, menu, i);
    sizes.push_back(info.OwnerDraw ? measured : PlainItemSize(info, measured));
  }
  int width = 0;
  int height = 2 * kBorder;
  for (const TSize& s : sizes) {
    width = std::max(width, s.cx);
    height += s.cy;
  }
  width += 2 * kBorder;
  itemRects.clear();
  int y = kBorder;
  for (const TSize& s : sizes) {
    itemRects.push_back(s.cy > 0 ? TRect{kBorder, y, width - kBorder, y + s.cy} : TRect{});
    y += s.cy;
  }
  const TPoint at = PlacePopup(screen, {width, height});
  CreateParams p;
  p.Style = WS_POPUP;
  p.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  p.Bounds = TRect::FromBounds(at.X, at.Y, width, height);
  p.Parent = owner;
  p.Proc = [this](HWND h, TMessage& m) {
    if (m.Msg == WM_PAINT) {
      PaintStruct ps;
      WindowCanvas canvas = BeginPaint(h, ps);
      PaintPopup(h, *canvas);
    } else {
      DefWindowProc(h, m);
    }
  };
  const HWND popup = CreateWindow(p);
  SetWindowBackground(popup, clMenu);
  return popup;
}

void MenuSystem::PaintPopup(HWND popup, Canvas& c) {
  const TRect r = GetClientRect(popup);
  PaintEdge(c, r, cl3DLight, cl3DDkShadow);
  PaintEdge(c, r.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
  if (!tracker_) return;
  for (const PopupLevel& p : tracker_->Popups) {
    if (p.Window != popup) continue;
    const std::size_t count = p.ItemRects.size();
    for (std::size_t i = 0; i < count; ++i) PaintPopupItem(popup, c, static_cast<int>(i));
    return;
  }
}

void MenuSystem::RepaintPopupItem(std::size_t level, int index) {
  if (!tracker_ || level >= tracker_->Popups.size() || index < 0) return;
  const HWND popup = tracker_->Popups[level].Window;
  WindowCanvas canvas = GetClientCanvas(popup);
  PaintPopupItem(popup, *canvas, index);
}

void MenuSystem::PaintPopupItem(HWND popup, Canvas& c, int index) {
  if (!tracker_) return;
  const auto p = std::find_if(tracker_->Popups.begin(), tracker_->Popups.end(),
                              [&](const PopupLevel& o) { return o.Window == popup; });
  if (p == tracker_->Popups.end() || index >= static_cast<int>(p->ItemRects.size())) return;
  const TRect r = p->ItemRects[static_cast<std::size_t>(index)];
  const auto info = GetMenuItemInfo(p->Menu, index);
  if (r.IsEmpty() || !info) return;
  const bool selected = p->Selected == index;
  const Region saved = c.ClipRegion();
  c.IntersectClipRect(r);
  if (info->OwnerDraw) {
    DrawItemStruct dis{ODT_MENU, info->Id,      ODA_DRAWENTIRE, ItemState(*info, selected),
                       p->Menu,  index,         popup,          &c,
                       r,        info->ItemData};
    SendMessage(tracker_->Owner, WM_DRAWITEM, 0, DrawItemParam(dis));
  } else {
    PaintPlainItem(c, *info, r, selected);
  }
  c.SetClipRegion(saved);
}

}  // namespace platform
