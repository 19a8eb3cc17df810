#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window/WindowTypes.h"

namespace platform {

// --- Focus, capture, activation -------------------------------------------------------------
// Each answers the window that had the role before.
HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetCapture(HWND window);
void ReleaseCapture();
HWND GetCapture();
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();

TPoint GetCursorPos();
bool IsKeyDown(std::uint32_t virtualKey);
// The desktop convention: the high bit is set while the key is down.
std::int16_t GetKeyState(std::uint32_t virtualKey);

// --- The input path ---------------------------------------------------------------------------
// Back ends deliver real input here, and the headless tests inject theirs the same way; all of
// it goes through hit testing, capture, focus and double-click detection.
enum class MouseButton { Left = 0, Right = 1, Middle = 2 };

void InputMouseMove(TPoint screen);
void InputMouseButton(TPoint screen, MouseButton button, bool down);
void InputMouseWheel(TPoint screen, int delta);
// The pointer left every window of ours.
void InputMouseExit();
void InputKey(std::uint32_t virtualKey, bool down);
// Characters typed, as UTF-8; each code point becomes one WM_CHAR to the focused window.
void InputText(std::string_view utf8);
// The native side activated or deactivated one of our top-level windows.
void InputActivate(HWND window, bool active);

// Moving (HTCAPTION) or sizing (a border code) a window by the mouse or the arrow keys until
// the left button is released or Enter is pressed; Escape cancels.
void BeginMouseTracking(HWND window, int hitCode);
bool IsMouseTracking();

}  // namespace platform
