#include "platform/window/Menus.h"

#include <cctype>
#include <functional>

#include "platform/window/MenuSystem.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

MenuSystem& Menus() {
  return *Sys().Menus;
}

// Would putting sub into menu make a menu its own ancestor?
bool Reaches(HMENU from, HMENU target) {
  if (from == target) return true;
  Menu* m = Menus().Find(from);
  if (m == nullptr) return false;
  for (const MenuItem& item : m->Items) {
    if (item.Info.SubMenu != NullMenu && Reaches(item.Info.SubMenu, target)) return true;
  }
  return false;
}

bool ValidItem(HMENU menu, const MenuItemInfo& item) {
  return item.SubMenu == NullMenu ||
         (Menus().Find(item.SubMenu) != nullptr && !Reaches(item.SubMenu, menu));
}

void Relayout(HWND h) {
  const TRect before = GetClientRectInWindow(h);
  RecalcClient(h);
  const bool moved = GetClientRectInWindow(h) != before;
  RedrawWindow(h, nullptr, RDW_FRAME | RDW_INVALIDATE | (moved ? RDW_ALLCHILDREN | RDW_ERASE : 0));
}

}  // namespace

HMENU MenuSystem::Create(bool bar) {
  const HMENU h{next_++};
  menus_[h].Bar = bar;
  return h;
}

bool MenuSystem::Destroy(HMENU menu) {
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return false;
  const std::vector<MenuItem> items = std::move(it->second.Items);
  menus_.erase(it);
  for (const MenuItem& item : items) Destroy(item.Info.SubMenu);
  return true;
}

Menu* MenuSystem::Find(HMENU menu) {
  const auto it = menus_.find(menu);
  return it == menus_.end() ? nullptr : &it->second;
}

void MenuSystem::Remeasure(HMENU menu) {
  if (Menu* m = Find(menu)) {
    for (MenuItem& item : m->Items) item.Measured.reset();
  }
}

MenuItemInfo CommandItem(std::string text, std::uint32_t id) {
  MenuItemInfo item;
  item.Text = std::move(text);
  item.Id = id;
  return item;
}

MenuItemInfo SubmenuItem(std::string text, HMENU subMenu) {
  MenuItemInfo item;
  item.Text = std::move(text);
  item.SubMenu = subMenu;
  return item;
}

MenuItemInfo SeparatorItem() {
  MenuItemInfo item;
  item.Separator = true;
  return item;
}

HMENU CreateMenu() {
  return Menus().Create(true);
}
HMENU CreatePopupMenu() {
  return Menus().Create(false);
}

bool DestroyMenu(HMENU menu) {
  if (!IsMenu(menu)) return false;
  Menus().CancelTracking();
  for (auto& [handle, window] : Sys().Windows) {
    if (window->Menu == menu) window->Menu = NullMenu;
  }
  Menus().Destroy(menu);
  for (HWND top : GetTopLevelWindows()) {
    if (FindWindow(top)->Menu == NullMenu) RecalcClient(top);
  }
  return true;
}

bool IsMenu(HMENU menu) {
  return Menus().Find(menu) != nullptr;
}

int GetMenuItemCount(HMENU menu) {
  Menu* m = Menus().Find(menu);
  return m != nullptr ? static_cast<int>(m->Items.size()) : -1;
}

bool InsertMenuItem(HMENU menu, int position, const MenuItemInfo& item) {
  Menu* m = Menus().Find(menu);
  if (m == nullptr || !ValidItem(menu, item)) return false;
  const auto size = static_cast<int>(m->Items.size());
  const int at = position < 0 || position > size ? size : position;
  m->Items.insert(m->Items.begin() + at, MenuItem{item, std::nullopt});
  return true;
}

bool AppendMenuItem(HMENU menu, const MenuItemInfo& item) {
  return InsertMenuItem(menu, -1, item);
}

bool SetMenuItemInfo(HMENU menu, int position, const MenuItemInfo& item) {
  Menu* m = Menus().Find(menu);
  if (m == nullptr || position < 0 || position >= static_cast<int>(m->Items.size()) ||
      !ValidItem(menu, item)) {
    return false;
  }
  m->Items[static_cast<std::size_t>(position)] = MenuItem{item, std::nullopt};
  return true;
}

std::optional<MenuItemInfo> GetMenuItemInfo(HMENU menu, int position) {
  Menu* m = Menus().Find(menu);
  if (m == nullptr || position < 0 || position >= static_cast<int>(m->Items.size()))
    return std::nullopt;
  return m->Items[static_cast<std::size_t>(position)].Info;
}

bool RemoveMenuItem(HMENU menu, int position) {
  Menu* m = Menus().Find(menu);
  if (m == nullptr || position < 0 || position >= static_cast<int>(m->Items.size())) return false;
  Menus().CancelTracking();
  m->Items.erase(m->Items.begin() + position);
  return true;
}

int FindMenuItem(HMENU menu, std::uint32_t id) {
  Menu* m = Menus().Find(menu);
  if (m == nullptr) return -1;
  for (std::size_t i = 0; i < m->Items.size(); ++i) {
    if (!m->Items[i].Info.Separator && m->Items[i].Info.Id == id) return static_cast<int>(i);
  }
  return -1;
}

bool SetMenu(HWND h, HMENU menu) {
  Window* w = FindWindow(h);
  if (w == nullptr || w->IsChild() || (menu != NullMenu && !IsMenu(menu))) return false;
  w->Menu = menu;
  Menus().Remeasure(menu);
  Relayout(h);
  return true;
}

HMENU GetMenu(HWND h) {
  Window* w = FindWindow(h);
  return w != nullptr ? w->Menu : NullMenu;
}

void DrawMenuBar(HWND h) {
  Window* w = FindWindow(h);
  if (w == nullptr || w->Menu == NullMenu) return;
  Menus().Remeasure(w->Menu);
  Relayout(h);
}

TRect GetMenuItemRect(HWND h, HMENU menu, int position) {
  if (menu != NullMenu && menu == GetMenu(h)) {
    const std::vector<TRect> rects = Menus().BarItemRects(h);
    if (position < 0 || position >= static_cast<int>(rects.size())) return {};
    return rects[static_cast<std::size_t>(position)].Offset(WindowToScreen(h, {}));
  }
  return Menus().OpenItemRect(menu, position).value_or(TRect{});
}

std::uint32_t TrackPopupMenu(HMENU menu, std::uint32_t flags, TPoint screen, HWND owner) {
  return Menus().TrackPopup(menu, flags, screen, owner);
}

void EndMenu() {
  Menus().CancelTracking();
}
bool IsMenuActive() {
  return Menus().IsTracking();
}

std::string MenuItemCaption(const std::string& text) {
  std::string caption;
  for (std::size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    if (text[i] != '\t') caption += text[i];
  }
  return caption;
}

char32_t MenuItemMnemonic(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size() && text[i] != '\t'; ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&')
      return static_cast<char32_t>(std::tolower(static_cast<unsigned char>(text[i + 1])));
    ++i;
  }
  return 0;
}

std::string MenuItemShortcut(const std::string& text) {
  const std::size_t tab = text.find('\t');
  return tab == std::string::npos ? std::string{} : text.substr(tab + 1);
}

}  // namespace platform
