#pragma once

// The window system's own state. Only the files of platform/window and the back ends include
// this; everything above uses the handle-based functions of the public headers.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Region.h"
#include "platform/window/Backend.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowTypes.h"

namespace platform {

class MenuSystem;

struct Window {
  HWND Handle{};
  HWND Parent{};               // a child's parent
  HWND Owner{};                // a popup's owner
  std::vector<HWND> Children;  // z-order, topmost first
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
  std::uint32_t ClassStyle = 0;
  std::string Text;
  TColor Background = clBtnFace;

  TRect Bounds;  // in the parent's client coordinates; screen coordinates for top-level
  TRect Client;  // in window coordinates
  WindowState State = WindowState::Normal;
  TRect NormalBounds;
  bool MaximizedBeforeMinimize = false;
  std::optional<Region> Shape;  // window coordinates

  Region Update;  // window coordinates
  bool EraseNeeded = false;
  bool PaintValidated = false;

  std::shared_ptr<WindowProc> Proc;
  HMENU Menu{};
  std::shared_ptr<Bitmap> Backing;  // top-level windows only
  bool Destroying = false;

  bool IsChild() const { return (Style & WS_CHILD) != 0; }
  bool IsVisibleFlag() const { return (Style & WS_VISIBLE) != 0; }
  bool IsEnabledFlag() const { return (Style & WS_DISABLED) == 0; }
  TRect LocalRect() const { return {0, 0, Bounds.Width(), Bounds.Height()}; }
};

struct Timer {
  HWND Window{};
  std::uint32_t Id = 0;
  std::uint32_t Interval = 0;
  std::uint64_t Due = 0;
};

enum class TrackingKind { None, Move, Size };

struct InputState {
  HWND Focus{};
  HWND Capture{};
  HWND Active{};
  TPoint Cursor{};
  bool KeysDown[256] = {};
  bool ButtonsDown[3] = {};
  // The window and area (client or not) the mouse was last over, for leave messages.
  HWND Hover{};
  bool HoverClient = false;
  // The last button press, for double clicks.
  HWND LastClickWindow{};
  int LastClickButton = -1;
  bool LastClickClient = false;
  std::uint64_t LastClickTime = 0;
  TPoint LastClickPos{};
  // Moving or sizing a window with the mouse after a press on its caption or border.
  TrackingKind Tracking = TrackingKind::None;
  HWND TrackWindow{};
  int TrackHit = 0;
  TPoint TrackStart{};
  TRect TrackBounds{};
  bool ContextHelpMode = false;
  // A title button pressed and not yet released.
  HWND PressedButtonWindow{};
  int PressedButton = HTNOWHERE;
  // Alt pressed with no other key since: its release enters the menu bar.
  bool AltAlone = false;
};

struct WindowSystem {
  std::unique_ptr<Backend> Back;
  std::unordered_map<HWND, std::unique_ptr<Window>> Windows;
  std::uint32_t NextHandle = 1;
  std::vector<HWND> TopLevels;  // z-order, topmost first
  std::deque<MSG> Queue;
  std::optional<int> QuitCode;
  std::vector<Timer> Timers;
  InputState Input;
  std::unique_ptr<MenuSystem> Menus;
  // The folder of the last file chosen in a file dialog, where the next one opens.
  std::string DialogFolder;

  Window* Find(HWND h) {
    const auto it = Windows.find(h);
    return it == Windows.end() ? nullptr : it->second.get();
  }
};

// The running window system; throws platform::Error when none was started.
WindowSystem& Sys();
Window* FindWindow(HWND h);

// --- Geometry shared by the window files ----------------------------------------------
HWND TopLevelOf(HWND h);
// Is h the ancestor window or one of its children, at any depth?
bool IsSelfOrDescendant(HWND h, HWND ancestor);
// Position of the window's top-left corner in its top-level window's coordinates.
TPoint OffsetInTop(HWND h);
TPoint ScreenOrigin(HWND h);
// What of the window can be seen, in its top-level window's coordinates: inside every
// ancestor's client area, not covered by siblings above it, within its shape; children are
// cut out when clientOnly asks for the client area.
Region VisibleRegion(HWND h, bool clientOnly);
// Recomputes the client rectangle through WM_NCCALCSIZE.
void RecalcClient(HWND h);
void InvalidateTree(HWND h, const Region& windowRegion);
void ForgetWindowInput(HWND h);
void PresentRect(HWND top, const TRect& rectInTop);

}  // namespace platform

namespace platform {
// The deepest visible, enabled window at a screen point, leaving out the windows in skip
// (those that answered HTTRANSPARENT).
HWND HitWindow(TPoint screen, const std::vector<HWND>& skip);
// Activation after the active window goes away, and focus after its holder is hidden.
void ActivateNextAfter(HWND h);
// The top-level bounds changed on the native side (the window manager moved the window).
void NoteNativeBounds(HWND h, const TRect& screenBounds);
}  // namespace platform

namespace platform {
// WM_WINDOWPOSCHANGED, then WM_MOVE and WM_SIZE as asked.
void SendMoveAndSize(HWND h, bool moved, bool sized);
// Repaints what of the parent the window covered (nothing for a top-level window).
void InvalidateUncovered(HWND h);
// Marks the whole window and its children for repainting.
void InvalidateWhole(HWND h);
}  // namespace platform

namespace platform {
// A key pressed while a window is moved or sized: the arrows move it (or its border) on,
// Enter keeps it where it is, Escape puts it back.
void TrackingKey(std::uint32_t vk);
// What DefWindowProc does with a system command.
void DefaultSysCommand(HWND h, TMessage& m);
}  // namespace platform

namespace platform {
// Sends WM_NCPAINT and WM_PAINT for what of the window is invalid.
void PaintWindow(HWND h);
// The first visible window with something to paint, parents before children.
HWND NextWindowToPaint();
}  // namespace platform

namespace platform {
// The earliest timer due at or before the horizon, rescheduled from now.
std::optional<MSG> TakeDueTimer(std::uint64_t horizon);
std::optional<std::uint64_t> NextTimerDue();
}  // namespace platform

namespace platform {
// Waits for native input or the next timer, whichever comes first.
void WaitForInput();
}  // namespace platform
