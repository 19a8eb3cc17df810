#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/graphics/Geometry.h"

namespace platform {

class Canvas;

// Windows and menus are named by handles that the window system resolves through its own
// tables; a handle to something already destroyed simply resolves to nothing.
enum class HWND : std::uint32_t {};
enum class HMENU : std::uint32_t {};
inline constexpr HWND NullWindow{};
inline constexpr HMENU NullMenu{};

using WPARAM = std::uint64_t;
using LPARAM = std::int64_t;
using LRESULT = std::int64_t;

struct TMessage {
  std::uint32_t Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// A window's message procedure. Replacing it returns the previous one, which the new one may
// call for everything it does not handle itself.
using WindowProc = std::function<void(HWND, TMessage&)>;

// --- Window styles ------------------------------------------------------------------------
inline constexpr std::uint32_t WS_OVERLAPPED = 0x00000000;
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_MAXIMIZE = 0x01000000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_DLGFRAME = 0x00400000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;
inline constexpr std::uint32_t WS_OVERLAPPEDWINDOW =
    WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

inline constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
inline constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr std::uint32_t WS_EX_CONTEXTHELP = 0x00000400;

// Class style: the window wants double-click messages.
inline constexpr std::uint32_t CS_DBLCLKS = 0x0008;

struct CreateParams {
  std::string Caption;
  std::uint32_t Style = WS_OVERLAPPEDWINDOW;
  std::uint32_t ExStyle = 0;
  std::uint32_t ClassStyle = 0;
  // In the parent's client coordinates; screen coordinates for a window without a parent.
  TRect Bounds;
  HWND Parent = NullWindow;  // a child's parent, or a popup's owner
  HMENU Menu = NullMenu;     // the menu bar of a top-level window
  WindowProc Proc;           // empty: the default procedure
  LPARAM CreateData = 0;     // handed on in WM_CREATE
};

// --- ShowWindow commands ------------------------------------------------------------------
enum class ShowCommand { Hide, Show, ShowNormal, Minimize, Maximize, Restore, ShowNoActivate };

enum class WindowState { Normal, Minimized, Maximized };

// --- RedrawWindow flags -------------------------------------------------------------------
inline constexpr std::uint32_t RDW_INVALIDATE = 0x0001;
inline constexpr std::uint32_t RDW_ERASE = 0x0004;
inline constexpr std::uint32_t RDW_VALIDATE = 0x0008;
inline constexpr std::uint32_t RDW_ALLCHILDREN = 0x0080;
inline constexpr std::uint32_t RDW_UPDATENOW = 0x0100;
inline constexpr std::uint32_t RDW_FRAME = 0x0400;

// --- Owner drawing --------------------------------------------------------------------------
// LParam of WM_MEASUREITEM points to one of these; the owner fills in the size.
struct MeasureItemStruct {
  std::uint32_t CtlType = 0;
  std::uint32_t ItemID = 0;
  HMENU Menu = NullMenu;
  int ItemIndex = 0;
  int ItemWidth = 0;
  int ItemHeight = 0;
  std::uint64_t ItemData = 0;
};

// LParam of WM_DRAWITEM points to one of these; Canvas is clipped to where the item may paint.
struct DrawItemStruct {
  std::uint32_t CtlType = 0;
  std::uint32_t ItemID = 0;
  std::uint32_t ItemAction = 0;
  std::uint32_t ItemState = 0;
  HMENU Menu = NullMenu;
  int ItemIndex = 0;
  HWND Window = NullWindow;  // the window painted on (menu bar owner or popup window)
  Canvas* DC = nullptr;
  TRect ItemRect;
  std::uint64_t ItemData = 0;
};

}  // namespace platform
