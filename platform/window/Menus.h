#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/window/WindowTypes.h"

namespace platform {

// One menu item. Text marks the mnemonic with '&' ("&&" is a plain ampersand) and may carry
// the shortcut text after a tab ("&Open\tCtrl+O").
struct MenuItemInfo {
  std::string Text;
  std::uint32_t Id = 0;
  HMENU SubMenu = NullMenu;
  bool Separator = false;
  bool OwnerDraw = false;
  bool Checked = false;
  bool Enabled = true;
  bool Visible = true;
  bool Default = false;
  std::uint64_t ItemData = 0;
};

// Shorthands for the usual kinds of item.
MenuItemInfo CommandItem(std::string text, std::uint32_t id);
MenuItemInfo SubmenuItem(std::string text, HMENU subMenu);
MenuItemInfo SeparatorItem();

HMENU CreateMenu();       // a menu bar
HMENU CreatePopupMenu();  // a drop-down or context menu
// Destroys the menu and, recursively, its submenus; detaches it from any window.
bool DestroyMenu(HMENU menu);
bool IsMenu(HMENU menu);

int GetMenuItemCount(HMENU menu);
// position -1 (or past the end) appends. A submenu may not contain its own parent.
bool InsertMenuItem(HMENU menu, int position, const MenuItemInfo& item);
bool AppendMenuItem(HMENU menu, const MenuItemInfo& item);
bool SetMenuItemInfo(HMENU menu, int position, const MenuItemInfo& item);
std::optional<MenuItemInfo> GetMenuItemInfo(HMENU menu, int position);
// Removes the item; its submenu stays alive.
bool RemoveMenuItem(HMENU menu, int position);
int FindMenuItem(HMENU menu, std::uint32_t id);  // position, or -1

// The menu bar of a top-level window; NullMenu removes it. Recomputes the frame.
bool SetMenu(HWND window, HMENU menu);
HMENU GetMenu(HWND window);
// Measures and lays out the bar again and repaints it (after its items changed).
void DrawMenuBar(HWND window);
// A bar item's rectangle, or an item of an open popup, in screen coordinates.
TRect GetMenuItemRect(HWND window, HMENU menu, int position);

inline constexpr std::uint32_t TPM_RETURNCMD = 0x0100;
inline constexpr std::uint32_t TPM_NONOTIFY = 0x0080;

// Shows the popup menu at the screen point and runs a modal loop until an item is chosen or
// the menu is dismissed. Answers the chosen item's id, 0 when none. Unless TPM_RETURNCMD or
// TPM_NONOTIFY is given, the choice is also posted to the owner as WM_COMMAND.
std::uint32_t TrackPopupMenu(HMENU menu, std::uint32_t flags, TPoint screen, HWND owner);
// Closes any open menu; the modal loop answers 0.
void EndMenu();
bool IsMenuActive();

// The caption without mnemonic marks and shortcut text; the mnemonic letter in lower case
// (0 when none); the shortcut text.
std::string MenuItemCaption(const std::string& text);
char32_t MenuItemMnemonic(const std::string& text);
std::string MenuItemShortcut(const std::string& text);

}  // namespace platform
