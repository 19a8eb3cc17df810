#include <algorithm>
#include <cctype>

#include "platform/window/Input.h"
#include "platform/window/MenuSystem.h"
#include "platform/window/MenuTracker.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

bool Selectable(const MenuItemInfo& info) {
  return info.Visible && !info.Separator;
}

int ItemAt(const PopupLevel& p, TPoint screen) {
  const TPoint local = ScreenToClient(p.Window, screen);
  for (std::size_t i = 0; i < p.ItemRects.size(); ++i) {
    if (p.ItemRects[i].Contains(local)) return static_cast<int>(i);
  }
  return -1;
}

bool Inside(HWND popup, TPoint screen) {
  return GetWindowRect(popup).Contains(screen);
}

}  // namespace

MenuSystem::MenuSystem() = default;
MenuSystem::~MenuSystem() = default;

bool MenuSystem::IsTracking() const {
  return tracker_ != nullptr;
}

bool MenuSystem::Alive(std::uint64_t generation) const {
  return tracker_ != nullptr && tracker_->Generation == generation;
}

void MenuSystem::CancelTracking() {
  if (tracker_) Close(0);
}

void MenuSystem::WindowDestroyed(HWND window) {
  if (hotWindow_ == window) {
    hotWindow_ = NullWindow;
    hotItem_ = -1;
  }
  if (!tracker_) return;
  const bool popup = std::any_of(tracker_->Popups.begin(), tracker_->Popups.end(),
                                 [&](const PopupLevel& p) { return p.Window == window; });
  if (window == tracker_->Owner || window == tracker_->BarWindow || popup) CancelTracking();
}

bool MenuSystem::Begin(HWND owner, HWND barWindow, HMENU menu, bool modal, std::uint32_t flags) {
  CancelTracking();
  ClearHot(hotWindow_);
  auto t = std::make_unique<MenuTracker>();
  const std::uint64_t generation = t->Generation = ++generation_;
  t->Owner = owner;
  t->BarWindow = barWindow;
  t->Bar = barWindow != NullWindow ? menu : NullMenu;
  t->Modal = modal;
  t->Flags = flags;
  tracker_ = std::move(t);
  SendMessage(owner, WM_ENTERMENULOOP, modal ? 1 : 0);
  if (Alive(generation)) SendMessage(owner, WM_INITMENU, static_cast<WPARAM>(menu));
  return Alive(generation);
}

// Closes everything; the tracker is taken away first so that whatever the messages below
// trigger sees no open menu.
void MenuSystem::Close(std::uint32_t chosen) {
  std::unique_ptr<MenuTracker> t = std::move(tracker_);
  if (!t) return;
  for (auto it = t->Popups.rbegin(); it != t->Popups.rend(); ++it) {
    DestroyWindow(it->Window);
    SendMessage(t->Owner, WM_UNINITMENUPOPUP, static_cast<WPARAM>(it->Menu));
  }
  if (t->BarWindow != NullWindow) RepaintBarItem(t->BarWindow, t->BarItem);
  SendMessage(t->Owner, WM_MENUSELECT, MenuClosedParam, 0);
  SendMessage(t->Owner, WM_EXITMENULOOP, t->Modal ? 1 : 0);
  finishedGeneration_ = t->Generation;
  finishedChoice_ = chosen;
  if (chosen != 0 && (t->Flags & (TPM_RETURNCMD | TPM_NONOTIFY)) == 0) {
    PostMessage(t->Owner, WM_COMMAND, chosen);
  }
}

void MenuSystem::NotifySelect(HMENU menu, int index, bool byMouse) {
  const auto info = GetMenuItemInfo(menu, index);
  if (!info) return;
  std::uint32_t flags = MF_HILITE;
  if (info->SubMenu != NullMenu) flags |= MF_POPUP;
  if (!info->Enabled) flags |= MF_GRAYED | MF_DISABLED;
  if (info->Checked) flags |= MF_CHECKED;
  if (info->OwnerDraw) flags |= MF_OWNERDRAW;
  if (byMouse) flags |= MF_MOUSESELECT;
  const int item = info->SubMenu != NullMenu ? index : static_cast<int>(info->Id);
  SendMessage(tracker_->Owner, WM_MENUSELECT, MenuSelectParam(item, flags),
              static_cast<LPARAM>(menu));
}

void MenuSystem::OpenPopup(HMENU menu, TPoint screen, int parentIndex) {
  const std::uint64_t generation = tracker_->Generation;
  SendMessage(tracker_->Owner, WM_INITMENUPOPUP, static_cast<WPARAM>(menu),
              PopupPositionParam(std::max(parentIndex, 0)));
  if (!Alive(generation) || Find(menu) == nullptr) return;
  PopupLevel popup;
  popup.Menu = menu;
  popup.Window = CreatePopupWindow(menu, screen, popup.ItemRects);
  if (!Alive(generation) || popup.Window == NullWindow) return;
  tracker_->Popups.push_back(popup);
  ShowWindow(popup.Window, ShowCommand::ShowNoActivate);
  UpdateWindow(popup.Window);
}

void MenuSystem::ClosePopupsFrom(std::size_t level) {
  while (tracker_ && tracker_->Popups.size() > level) {
    const PopupLevel p = tracker_->Popups.back();
    tracker_->Popups.pop_back();
    const HWND owner = tracker_->Owner;
    DestroyWindow(p.Window);
    SendMessage(owner, WM_UNINITMENUPOPUP, static_cast<WPARAM>(p.Menu));
  }
}

int MenuSystem::BarItemAt(TPoint screen) {
  if (!tracker_ || tracker_->BarWindow == NullWindow) return -1;
  const TPoint p = ScreenToWindow(tracker_->BarWindow, screen);
  const std::vector<TRect> rects = BarItemRects(tracker_->BarWindow);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].Contains(p)) return static_cast<int>(i);
  }
  return -1;
}

void MenuSystem::SelectBar(int index, bool open, bool selectFirst) {
  const std::uint64_t generation = tracker_->Generation;
  ClosePopupsFrom(0);
  if (!Alive(generation)) return;
  const HWND bar = tracker_->BarWindow;
  const int old = tracker_->BarItem;
  tracker_->BarItem = index;
  RepaintBarItem(bar, old);
  if (Alive(generation)) RepaintBarItem(bar, index);
  if (Alive(generation)) NotifySelect(tracker_->Bar, index, !selectFirst);
  if (!Alive(generation) || !open) return;
  const auto info = GetMenuItemInfo(tracker_->Bar, index);
  if (!info || info->SubMenu == NullMenu || !info->Enabled) return;
  const std::vector<TRect> rects = BarItemRects(bar);
  if (index >= static_cast<int>(rects.size())) return;
  const TRect r = rects[static_cast<std::size_t>(index)];
  OpenPopup(info->SubMenu, WindowToScreen(bar, {r.Left, r.Bottom}), index);
  if (Alive(generation) && selectFirst && !tracker_->Popups.empty()) MoveSelection(1);
}

void MenuSystem::MoveBar(int step) {
  Menu* bar = Find(tracker_->Bar);
  if (bar == nullptr || bar->Items.empty()) return;
  const int count = static_cast<int>(bar->Items.size());
  const bool reopen = !tracker_->Popups.empty();
  int index = tracker_->BarItem;
  for (int tries = 0; tries < count; ++tries) {
    index = (index + step + count) % count;
    if (Selectable(bar->Items[static_cast<std::size_t>(index)].Info)) {
      SelectBar(index, reopen, reopen);
      return;
    }
  }
}

void MenuSystem::Select(std::size_t level, int index, bool byMouse) {
  const std::uint64_t generation = tracker_->Generation;
  PopupLevel& p = tracker_->Popups[level];
  if (p.Selected == index) return;
  const int old = p.Selected;
  const HMENU menu = p.Menu;
  p.Selected = index;
  RepaintPopupItem(level, old);
  if (Alive(generation)) RepaintPopupItem(level, index);
  if (Alive(generation) && index >= 0) NotifySelect(menu, index, byMouse);
}

void MenuSystem::MoveSelection(int step) {
  const std::size_t level = tracker_->Popups.size() - 1;
  PopupLevel& p = tracker_->Popups[level];
  Menu* m = Find(p.Menu);
  if (m == nullptr || m->Items.empty()) return;
  const int count = static_cast<int>(m->Items.size());
  int index = p.Selected < 0 && step < 0 ? 0 : p.Selected;
  for (int tries = 0; tries < count; ++tries) {
    index = (index + step + count) % count;
    if (Selectable(m->Items[static_cast<std::size_t>(index)].Info)) {
      Select(level, index, false);
      return;
    }
  }
}

void MenuSystem::OpenSubmenu(int level, bool selectFirst) {
  const std::uint64_t generation = tracker_->Generation;
  const PopupLevel p = tracker_->Popups[static_cast<std::size_t>(level)];
  const auto info = GetMenuItemInfo(p.Menu, p.Selected);
  if (!info || info->SubMenu == NullMenu || !info->Enabled) return;
  const TRect r = p.ItemRects[static_cast<std::size_t>(p.Selected)];
  const TRect window = GetWindowRect(p.Window);
  OpenPopup(info->SubMenu, {window.Right - 3, ClientToScreen(p.Window, {0, r.Top}).Y - 3},
            p.Selected);
  if (Alive(generation) && selectFirst) MoveSelection(1);
}

// Choosing an item: a submenu opens, a disabled item does nothing, anything else ends the
// menu with its id.
void MenuSystem::Activate(std::size_t level, int index) {
  const auto info = GetMenuItemInfo(tracker_->Popups[level].Menu, index);
  if (!info || !Selectable(*info) || !info->Enabled) return;
  if (info->SubMenu != NullMenu) {
    if (tracker_->Popups.size() == level + 1) OpenSubmenu(static_cast<int>(level), true);
    return;
  }
  Close(info->Id);
}

bool MenuSystem::Mnemonic(char32_t ch) {
  const std::uint64_t generation = tracker_->Generation;
  const bool inBar = tracker_->Popups.empty();
  const HMENU menu = inBar ? tracker_->Bar : tracker_->Popups.back().Menu;
  Menu* m = Find(menu);
  if (m == nullptr) return false;
  for (std::size_t i = 0; i < m->Items.size(); ++i) {
    const MenuItemInfo& info = m->Items[i].Info;
    if (!Selectable(info) || MenuItemMnemonic(info.Text) != ch) continue;
    if (inBar) {
      SelectBar(static_cast<int>(i), true, true);
      if (Alive(generation) && GetMenuItemInfo(menu, static_cast<int>(i))->SubMenu == NullMenu) {
        Close(GetMenuItemInfo(menu, static_cast<int>(i))->Id);
      }
    } else {
      const std::size_t level = tracker_->Popups.size() - 1;
      Select(level, static_cast<int>(i), false);
      if (Alive(generation)) Activate(level, static_cast<int>(i));
    }
    return true;
  }
  return false;
}

void MenuSystem::StartBar(HWND window, int item, bool openPopup, bool byKeyboard) {
  const HMENU bar = GetMenu(window);
  Menu* m = Find(bar);
  if (m == nullptr || m->Items.empty() || !Begin(window, window, bar, false, 0)) return;
  if (item < 0) item = BarItemAt(Sys().Input.Cursor);
  const int count = static_cast<int>(m->Items.size());
  if (item >= 0 && item < count && !Selectable(m->Items[static_cast<std::size_t>(item)].Info)) {
    tracker_->BarItem = item;
    MoveBar(1);
    return;
  }
  if (item < 0 || item >= count) {
    Close(0);
    return;
  }
  SelectBar(item, openPopup, byKeyboard);
}

void MenuSystem::StartBarMnemonic(HWND window, char32_t mnemonic) {
  const HMENU bar = GetMenu(window);
  Menu* m = Find(bar);
  if (m == nullptr) return;
  const char32_t wanted = static_cast<char32_t>(std::tolower(static_cast<int>(mnemonic)));
  for (const MenuItem& item : m->Items) {
    if (Selectable(item.Info) && MenuItemMnemonic(item.Info.Text) == wanted) {
      if (Begin(window, window, bar, false, 0)) Mnemonic(wanted);
      return;
    }
  }
}

std::uint32_t MenuSystem::TrackPopup(HMENU menu, std::uint32_t flags, TPoint screen, HWND owner) {
  if (Find(menu) == nullptr || !IsWindow(owner) || !Begin(owner, NullWindow, menu, true, flags))
    return 0;
  const std::uint64_t generation = tracker_->Generation;
  OpenPopup(menu, screen, -1);
  if (Alive(generation) && tracker_->Popups.empty()) Close(0);
  try {
    while (Alive(generation)) {
      MSG msg;
      if (!PeekMessage(msg)) {
        WaitForInput();
      } else if (msg.Message.Msg == WM_QUIT) {
        // The quit belongs to the outer loop; the menu just goes away.
        PostQuitMessage(static_cast<int>(msg.Message.WParam));
        CancelTracking();
      } else {
        DispatchMessage(msg);
      }
    }
  } catch (...) {
    // A failing handler ends the menu too, rather than leaving it open without its loop.
    if (Alive(generation)) CancelTracking();
    throw;
  }
  return finishedGeneration_ == generation ? finishedChoice_ : 0;
}

std::optional<TRect> MenuSystem::OpenItemRect(HMENU menu, int index) {
  if (!tracker_) return std::nullopt;
  for (const PopupLevel& p : tracker_->Popups) {
    if (p.Menu != menu || index < 0 || index >= static_cast<int>(p.ItemRects.size())) continue;
    return p.ItemRects[static_cast<std::size_t>(index)].Offset(ClientToScreen(p.Window, {}));
  }
  return std::nullopt;
}

bool MenuSystem::HandleMouseMove(TPoint screen) {
  if (!tracker_) return false;
  const std::uint64_t generation = tracker_->Generation;
  for (std::size_t level = tracker_->Popups.size(); level-- > 0;) {
    const PopupLevel& p = tracker_->Popups[level];
    if (!Inside(p.Window, screen)) continue;
    const int index = ItemAt(p, screen);
    const auto info = GetMenuItemInfo(p.Menu, index);
    const bool selectable = info && Selectable(*info);
    if (tracker_->Popups[level].Selected != index || tracker_->Popups.size() > level + 1) {
      ClosePopupsFrom(level + 1);
      if (Alive(generation)) Select(level, selectable ? index : -1, true);
      if (Alive(generation) && selectable && info->SubMenu != NullMenu)
        OpenSubmenu(static_cast<int>(level), false);
    }
    return true;
  }
  const int bar = BarItemAt(screen);
  if (bar >= 0 && bar != tracker_->BarItem && !tracker_->Popups.empty()) {
    SelectBar(bar, true, false);
  } else if (!tracker_->Popups.empty()) {
    PopupLevel& last = tracker_->Popups.back();
    if (last.Selected >= 0) Select(tracker_->Popups.size() - 1, -1, true);
  }
  return true;
}

bool MenuSystem::HandleMouseButton(TPoint screen, int, bool down) {
  if (!tracker_) return false;
  for (std::size_t level = tracker_->Popups.size(); level-- > 0;) {
    const PopupLevel& p = tracker_->Popups[level];
    if (!Inside(p.Window, screen)) continue;
    HandleMouseMove(screen);
    if (!down && tracker_ && level < tracker_->Popups.size()) {
      const int index = ItemAt(tracker_->Popups[level], screen);
      if (index >= 0) Activate(level, index);
    }
    return true;
  }
  const int bar = BarItemAt(screen);
  if (bar >= 0) {
    const auto info = GetMenuItemInfo(tracker_->Bar, bar);
    if (down && bar == tracker_->BarItem && !tracker_->Popups.empty()) {
      Close(0);
    } else if (down) {
      SelectBar(bar, true, false);
    } else if (bar == tracker_->BarItem && info && info->SubMenu == NullMenu && info->Enabled) {
      Close(info->Id);
    }
    return true;
  }
  if (down) Close(0);
  return true;
}

bool MenuSystem::HandleKey(std::uint32_t vk, bool down) {
  if (!tracker_) return false;
  if (!down) return true;
  const bool inBar = tracker_->Popups.empty();
  const std::size_t level = inBar ? 0 : tracker_->Popups.size() - 1;
  switch (vk) {
    case VK_MENU:
    case VK_F10:
      Close(0);
      break;
    case VK_ESCAPE:
      if (inBar || (tracker_->Popups.size() == 1 && tracker_->BarWindow == NullWindow)) {
        Close(0);
      } else {
        ClosePopupsFrom(level);
      }
      break;
    case VK_UP:
    case VK_DOWN:
      if (inBar) {
        SelectBar(tracker_->BarItem, true, true);
      } else {
        MoveSelection(vk == VK_DOWN ? 1 : -1);
      }
      break;
    case VK_LEFT:
      if (tracker_->Popups.size() > 1) {
        ClosePopupsFrom(level);
      } else if (tracker_->BarWindow != NullWindow) {
        MoveBar(-1);
      }
      break;
    case VK_RIGHT: {
      const auto info =
          inBar ? std::nullopt
                : GetMenuItemInfo(tracker_->Popups[level].Menu, tracker_->Popups[level].Selected);
      if (info && info->SubMenu != NullMenu) {
        OpenSubmenu(static_cast<int>(level), true);
      } else if (tracker_->BarWindow != NullWindow) {
        MoveBar(1);
      }
      break;
    }
    case VK_RETURN:
      if (inBar) {
        const auto info = GetMenuItemInfo(tracker_->Bar, tracker_->BarItem);
        if (info && info->SubMenu == NullMenu && info->Enabled) {
          Close(info->Id);
        } else {
          SelectBar(tracker_->BarItem, true, true);
        }
      } else if (tracker_->Popups[level].Selected >= 0) {
        Activate(level, tracker_->Popups[level].Selected);
      }
      break;
    default:
      if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        Mnemonic(static_cast<char32_t>(std::tolower(static_cast<int>(vk))));
      }
      break;
  }
  return true;
}

// Letters reach open menus as keys; the characters typed with them are swallowed.
bool MenuSystem::HandleChar(char32_t) {
  return tracker_ != nullptr;
}

}  // namespace platform
