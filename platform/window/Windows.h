#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Region.h"
#include "platform/window/Backend.h"
#include "platform/window/WindowTypes.h"

namespace platform {

// --- The window system's life ------------------------------------------------------------
// Chooses the back end once, before any window exists.
void StartWindowSystem(std::unique_ptr<Backend> backend);
// Destroys every window and the back end.
void StopWindowSystem();
bool WindowSystemStarted();
Backend& CurrentBackend();

// --- Windows ------------------------------------------------------------------------------
// Answers NullWindow when the parent of a child does not exist or WM_CREATE answers -1.
HWND CreateWindow(const CreateParams& params);
// Destroys the window, its children and the popups it owns. Safe inside the window's own
// message procedure: the procedure that runs stays alive until it returns.
bool DestroyWindow(HWND window);
bool IsWindow(HWND window);

// Installs a new message procedure and answers the one it replaces.
WindowProc SetWindowProc(HWND window, WindowProc proc);
// The platform's own handling of every message.
void DefWindowProc(HWND window, TMessage& message);

// Calls the window's procedure at once. A destroyed window answers 0 and nothing happens.
LRESULT SendMessage(HWND window, std::uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
void SendMessage(HWND window, TMessage& message);

// --- Tree and attributes ------------------------------------------------------------------
HWND GetParent(HWND window);
HWND GetOwner(HWND window);
HWND GetTopLevel(HWND window);
std::vector<HWND> GetChildren(HWND window);  // topmost first
std::vector<HWND> GetTopLevelWindows();      // topmost first

std::uint32_t GetWindowStyle(HWND window);
std::uint32_t GetWindowExStyle(HWND window);
// Changing the frame styles recomputes the client area and repaints the frame.
void SetWindowStyle(HWND window, std::uint32_t style);
std::string GetWindowText(HWND window);
void SetWindowText(HWND window, const std::string& text);
// The colour WM_ERASEBKGND fills the client with by default; clNone erases nothing.
void SetWindowBackground(HWND window, TColor color);

// --- Geometry -------------------------------------------------------------------------------
TRect GetWindowRect(HWND window);    // screen coordinates
TRect GetWindowBounds(HWND window);  // parent's client coordinates (screen for top-level)
TRect GetClientRect(HWND window);    // (0, 0, width, height) of the client area
// The client rectangle in window coordinates.
TRect GetClientRectInWindow(HWND window);
void SetWindowBounds(HWND window, const TRect& bounds);
TPoint ClientToScreen(HWND window, TPoint p);
TPoint ScreenToClient(HWND window, TPoint p);
TPoint WindowToScreen(HWND window, TPoint p);
TPoint ScreenToWindow(HWND window, TPoint p);

enum class ZOrder { Top, Bottom };
void SetWindowZOrder(HWND window, ZOrder where);

// --- Visibility, state, enabling ----------------------------------------------------------
void ShowWindow(HWND window, ShowCommand command);
bool IsWindowVisible(HWND window);  // the window and all its ancestors
WindowState GetWindowState(HWND window);
void EnableWindow(HWND window, bool enable);
bool IsWindowEnabled(HWND window);

// --- Window region ----------------------------------------------------------------------
// Limits where the window paints and is hit, in window coordinates; nullopt removes it.
void SetWindowRgn(HWND window, std::optional<Region> region, bool redraw);

// The deepest visible, enabled window at a screen point, through shapes, without hit-test
// messages.
HWND WindowFromPoint(TPoint screen);

}  // namespace platform
