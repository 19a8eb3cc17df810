#pragma once

// Menus inside the window system: the menu table, the bar layout and painting, and the
// tracker that runs open menus. Used by the window files only.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/window/Menus.h"

namespace platform {

struct MenuItem {
  MenuItemInfo Info;
  std::optional<TSize> Measured;
};

struct Menu {
  bool Bar = false;
  std::vector<MenuItem> Items;
};

struct MenuTracker;

class MenuSystem {
 public:
  MenuSystem();
  ~MenuSystem();

  HMENU Create(bool bar);
  bool Destroy(HMENU menu);
  Menu* Find(HMENU menu);
  // Forgets every measured size of a menu, so the next layout asks the owner again.
  void Remeasure(HMENU menu);

  // --- Menu bar (window coordinates) ---
  int BarHeight(HWND window);
  std::vector<TRect> BarItemRects(HWND window);
  void PaintBar(HWND window, Canvas& canvas);
  void RepaintBarItem(HWND window, int index);
  // The item size the owner measures, or the text size for a plain item.
  TSize MeasureItem(HWND owner, HMENU menu, int index);
  // Hot tracking of bar items under the mouse while no menu is open.
  void HotTrack(HWND window, TPoint screen);
  void ClearHot(HWND window);
  std::uint32_t BarItemState(HWND window, int index);

  // --- Open menus ---
  bool IsTracking() const;
  void CancelTracking();
  void WindowDestroyed(HWND window);
  // Enters the bar of the window: by the mouse on an item, by the keyboard (Alt, F10) with the
  // first item, or by a mnemonic.
  void StartBar(HWND window, int item, bool openPopup, bool byKeyboard);
  void StartBarMnemonic(HWND window, char32_t mnemonic);
  std::uint32_t TrackPopup(HMENU menu, std::uint32_t flags, TPoint screen, HWND owner);
  std::optional<TRect> OpenItemRect(HMENU menu, int index);

  // Input while a menu is open; true when the menu took it.
  bool HandleMouseMove(TPoint screen);
  bool HandleMouseButton(TPoint screen, int button, bool down);
  bool HandleKey(std::uint32_t vk, bool down);
  bool HandleChar(char32_t ch);

 private:
  // --- Tracking steps (MenuTracking.cpp); each re-checks that the tracking it belongs to is
  // still running after any message it sends, since procedures may end it. ---
  bool Alive(std::uint64_t generation) const;
  bool Begin(HWND owner, HWND barWindow, HMENU menu, bool modal, std::uint32_t flags);
  void Close(std::uint32_t chosen);
  void SelectBar(int index, bool open, bool selectFirst);
  void MoveBar(int step);
  void OpenPopup(HMENU menu, TPoint screen, int parentIndex);
  void OpenSubmenu(int level, bool selectFirst);
  void ClosePopupsFrom(std::size_t level);
  void Select(std::size_t level, int index, bool byMouse);
  void MoveSelection(int step);
  void Activate(std::size_t level, int index);
  bool Mnemonic(char32_t ch);
  void NotifySelect(HMENU menu, int index, bool byMouse);
  int BarItemAt(TPoint screen);
  // --- Popup windows (MenuPopup.cpp) ---
  HWND CreatePopupWindow(HMENU menu, TPoint screen, std::vector<TRect>& itemRects);
  void PaintPopup(HWND popup, Canvas& canvas);
  void RepaintPopupItem(std::size_t level, int index);
  void PaintPopupItem(HWND popup, Canvas& canvas, int index);

  std::unordered_map<HMENU, Menu> menus_;
  std::uint32_t next_ = 1;
  HWND hotWindow_{};
  int hotItem_ = -1;
  std::unique_ptr<MenuTracker> tracker_;
  std::uint64_t generation_ = 0;
  std::uint64_t finishedGeneration_ = 0;
  std::uint32_t finishedChoice_ = 0;
};

}  // namespace platform
