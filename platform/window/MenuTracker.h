#pragma once

#include <cstdint>
#include <vector>

#include "platform/window/MenuSystem.h"

namespace platform {

struct PopupLevel {
  HMENU Menu{};
  HWND Window{};
  int Selected = -1;
  std::vector<TRect> ItemRects;  // popup client coordinates; empty for invisible items
};

// The state of open menus: who owns them, the bar item being tracked, the chain of popups.
struct MenuTracker {
  std::uint64_t Generation = 0;
  HWND Owner{};
  HWND BarWindow{};  // set while a menu bar is tracked
  HMENU Bar{};
  int BarItem = -1;
  bool Modal = false;
  std::uint32_t Flags = 0;
  std::vector<PopupLevel> Popups;

  int SelectedBarItem(HWND window) const { return window == BarWindow ? BarItem : -1; }
};

}  // namespace platform
