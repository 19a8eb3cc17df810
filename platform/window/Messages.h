#pragma once

#include <cstdint>

namespace platform {

// Window messages, hit codes, system commands, key codes and owner-draw values keep the
// numbers of the desktop interface the engine was written for, so code ported from it reads
// the same.

// --- Window messages ------------------------------------------------------------------
inline constexpr std::uint32_t WM_NULL = 0x0000;
inline constexpr std::uint32_t WM_CREATE = 0x0001;
inline constexpr std::uint32_t WM_DESTROY = 0x0002;
inline constexpr std::uint32_t WM_MOVE = 0x0003;
inline constexpr std::uint32_t WM_SIZE = 0x0005;
inline constexpr std::uint32_t WM_ACTIVATE = 0x0006;
inline constexpr std::uint32_t WM_SETFOCUS = 0x0007;
inline constexpr std::uint32_t WM_KILLFOCUS = 0x0008;
inline constexpr std::uint32_t WM_ENABLE = 0x000A;
inline constexpr std::uint32_t WM_SETTEXT = 0x000C;
inline constexpr std::uint32_t WM_PAINT = 0x000F;
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_QUIT = 0x0012;
inline constexpr std::uint32_t WM_ERASEBKGND = 0x0014;
inline constexpr std::uint32_t WM_SYSCOLORCHANGE = 0x0015;
inline constexpr std::uint32_t WM_FONTCHANGE = 0x001D;
inline constexpr std::uint32_t WM_SHOWWINDOW = 0x0018;
inline constexpr std::uint32_t WM_CANCELMODE = 0x001F;
inline constexpr std::uint32_t WM_SETCURSOR = 0x0020;
inline constexpr std::uint32_t WM_MOUSEACTIVATE = 0x0021;
inline constexpr std::uint32_t WM_MEASUREITEM = 0x002C;
inline constexpr std::uint32_t WM_DRAWITEM = 0x002B;
inline constexpr std::uint32_t WM_WINDOWPOSCHANGING = 0x0046;
inline constexpr std::uint32_t WM_WINDOWPOSCHANGED = 0x0047;
inline constexpr std::uint32_t WM_HELP = 0x0053;
inline constexpr std::uint32_t WM_NCCREATE = 0x0081;
inline constexpr std::uint32_t WM_NCDESTROY = 0x0082;
inline constexpr std::uint32_t WM_NCCALCSIZE = 0x0083;
inline constexpr std::uint32_t WM_NCHITTEST = 0x0084;
inline constexpr std::uint32_t WM_NCPAINT = 0x0085;
inline constexpr std::uint32_t WM_NCACTIVATE = 0x0086;
inline constexpr std::uint32_t WM_NCMOUSEMOVE = 0x00A0;
inline constexpr std::uint32_t WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr std::uint32_t WM_NCLBUTTONUP = 0x00A2;
inline constexpr std::uint32_t WM_NCLBUTTONDBLCLK = 0x00A3;
inline constexpr std::uint32_t WM_NCRBUTTONDOWN = 0x00A4;
inline constexpr std::uint32_t WM_NCRBUTTONUP = 0x00A5;
inline constexpr std::uint32_t WM_NCRBUTTONDBLCLK = 0x00A6;
inline constexpr std::uint32_t WM_NCMBUTTONDOWN = 0x00A7;
inline constexpr std::uint32_t WM_NCMBUTTONUP = 0x00A8;
inline constexpr std::uint32_t WM_NCMBUTTONDBLCLK = 0x00A9;
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_KEYUP = 0x0101;
inline constexpr std::uint32_t WM_CHAR = 0x0102;
inline constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr std::uint32_t WM_SYSCHAR = 0x0106;
inline constexpr std::uint32_t WM_COMMAND = 0x0111;
inline constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
inline constexpr std::uint32_t WM_TIMER = 0x0113;
inline constexpr std::uint32_t WM_INITMENU = 0x0116;
inline constexpr std::uint32_t WM_INITMENUPOPUP = 0x0117;
inline constexpr std::uint32_t WM_MENUSELECT = 0x011F;
inline constexpr std::uint32_t WM_MENUCHAR = 0x0120;
inline constexpr std::uint32_t WM_ENTERIDLE = 0x0121;
inline constexpr std::uint32_t WM_UNINITMENUPOPUP = 0x0125;
inline constexpr std::uint32_t WM_MOUSEFIRST = 0x0200;
inline constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x0206;
inline constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr std::uint32_t WM_MBUTTONDBLCLK = 0x0209;
inline constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;
inline constexpr std::uint32_t WM_MOUSELAST = 0x020A;
inline constexpr std::uint32_t WM_SIZING = 0x0214;
inline constexpr std::uint32_t WM_CAPTURECHANGED = 0x0215;
inline constexpr std::uint32_t WM_MOVING = 0x0216;
inline constexpr std::uint32_t WM_ENTERMENULOOP = 0x0211;
inline constexpr std::uint32_t WM_EXITMENULOOP = 0x0212;
inline constexpr std::uint32_t WM_ENTERSIZEMOVE = 0x0231;
inline constexpr std::uint32_t WM_EXITSIZEMOVE = 0x0232;
inline constexpr std::uint32_t WM_NCMOUSELEAVE = 0x02A2;
inline constexpr std::uint32_t WM_MOUSELEAVE = 0x02A3;
inline constexpr std::uint32_t WM_USER = 0x0400;

// --- WM_ACTIVATE ----------------------------------------------------------------------
inline constexpr std::uint32_t WA_INACTIVE = 0;
inline constexpr std::uint32_t WA_ACTIVE = 1;
inline constexpr std::uint32_t WA_CLICKACTIVE = 2;

// --- WM_SIZE --------------------------------------------------------------------------
inline constexpr std::uint32_t SIZE_RESTORED = 0;
inline constexpr std::uint32_t SIZE_MINIMIZED = 1;
inline constexpr std::uint32_t SIZE_MAXIMIZED = 2;

// --- Hit-test codes -------------------------------------------------------------------
inline constexpr int HTERROR = -2;
inline constexpr int HTTRANSPARENT = -1;
inline constexpr int HTNOWHERE = 0;
inline constexpr int HTCLIENT = 1;
inline constexpr int HTCAPTION = 2;
inline constexpr int HTSYSMENU = 3;
inline constexpr int HTGROWBOX = 4;
inline constexpr int HTMENU = 5;
inline constexpr int HTHSCROLL = 6;
inline constexpr int HTVSCROLL = 7;
inline constexpr int HTMINBUTTON = 8;
inline constexpr int HTMAXBUTTON = 9;
inline constexpr int HTLEFT = 10;
inline constexpr int HTRIGHT = 11;
inline constexpr int HTTOP = 12;
inline constexpr int HTTOPLEFT = 13;
inline constexpr int HTTOPRIGHT = 14;
inline constexpr int HTBOTTOM = 15;
inline constexpr int HTBOTTOMLEFT = 16;
inline constexpr int HTBOTTOMRIGHT = 17;
inline constexpr int HTBORDER = 18;
inline constexpr int HTCLOSE = 20;
inline constexpr int HTHELP = 21;

// --- System commands (the low four bits carry extra data and are masked off) -----------
inline constexpr std::uint32_t SC_SIZE = 0xF000;
inline constexpr std::uint32_t SC_MOVE = 0xF010;
inline constexpr std::uint32_t SC_MINIMIZE = 0xF020;
inline constexpr std::uint32_t SC_MAXIMIZE = 0xF030;
inline constexpr std::uint32_t SC_CLOSE = 0xF060;
inline constexpr std::uint32_t SC_MOUSEMENU = 0xF090;
inline constexpr std::uint32_t SC_KEYMENU = 0xF100;
inline constexpr std::uint32_t SC_RESTORE = 0xF120;
inline constexpr std::uint32_t SC_CONTEXTHELP = 0xF180;

// --- Mouse key state in WParam of client mouse messages -------------------------------
inline constexpr std::uint32_t MK_LBUTTON = 0x0001;
inline constexpr std::uint32_t MK_RBUTTON = 0x0002;
inline constexpr std::uint32_t MK_SHIFT = 0x0004;
inline constexpr std::uint32_t MK_CONTROL = 0x0008;
inline constexpr std::uint32_t MK_MBUTTON = 0x0010;

inline constexpr int WHEEL_DELTA = 120;

// --- Virtual-key codes ----------------------------------------------------------------
inline constexpr std::uint32_t VK_LBUTTON = 0x01;
inline constexpr std::uint32_t VK_RBUTTON = 0x02;
inline constexpr std::uint32_t VK_MBUTTON = 0x04;
inline constexpr std::uint32_t VK_BACK = 0x08;
inline constexpr std::uint32_t VK_TAB = 0x09;
inline constexpr std::uint32_t VK_RETURN = 0x0D;
inline constexpr std::uint32_t VK_SHIFT = 0x10;
inline constexpr std::uint32_t VK_CONTROL = 0x11;
inline constexpr std::uint32_t VK_MENU = 0x12;
inline constexpr std::uint32_t VK_PAUSE = 0x13;
inline constexpr std::uint32_t VK_CAPITAL = 0x14;
inline constexpr std::uint32_t VK_ESCAPE = 0x1B;
inline constexpr std::uint32_t VK_SPACE = 0x20;
inline constexpr std::uint32_t VK_PRIOR = 0x21;
inline constexpr std::uint32_t VK_NEXT = 0x22;
inline constexpr std::uint32_t VK_END = 0x23;
inline constexpr std::uint32_t VK_HOME = 0x24;
inline constexpr std::uint32_t VK_LEFT = 0x25;
inline constexpr std::uint32_t VK_UP = 0x26;
inline constexpr std::uint32_t VK_RIGHT = 0x27;
inline constexpr std::uint32_t VK_DOWN = 0x28;
inline constexpr std::uint32_t VK_INSERT = 0x2D;
inline constexpr std::uint32_t VK_DELETE = 0x2E;
inline constexpr std::uint32_t VK_F1 = 0x70;
inline constexpr std::uint32_t VK_F4 = 0x73;
inline constexpr std::uint32_t VK_F10 = 0x79;
inline constexpr std::uint32_t VK_F12 = 0x7B;
// Digits and letters are their upper-case ASCII codes ('0'..'9', 'A'..'Z').

// --- WM_MENUSELECT flags (high word of WParam) and menu item flags ---------------------
inline constexpr std::uint32_t MF_STRING = 0x0000;
inline constexpr std::uint32_t MF_GRAYED = 0x0001;
inline constexpr std::uint32_t MF_DISABLED = 0x0002;
inline constexpr std::uint32_t MF_CHECKED = 0x0008;
inline constexpr std::uint32_t MF_POPUP = 0x0010;
inline constexpr std::uint32_t MF_HILITE = 0x0080;
inline constexpr std::uint32_t MF_OWNERDRAW = 0x0100;
inline constexpr std::uint32_t MF_SEPARATOR = 0x0800;
inline constexpr std::uint32_t MF_DEFAULT = 0x1000;
inline constexpr std::uint32_t MF_SYSMENU = 0x2000;
inline constexpr std::uint32_t MF_MOUSESELECT = 0x8000;

// --- Owner drawing ----------------------------------------------------------------------
inline constexpr std::uint32_t ODT_MENU = 1;
inline constexpr std::uint32_t ODA_DRAWENTIRE = 0x0001;
inline constexpr std::uint32_t ODA_SELECT = 0x0002;
inline constexpr std::uint32_t ODS_SELECTED = 0x0001;
inline constexpr std::uint32_t ODS_GRAYED = 0x0002;
inline constexpr std::uint32_t ODS_DISABLED = 0x0004;
inline constexpr std::uint32_t ODS_CHECKED = 0x0008;
inline constexpr std::uint32_t ODS_FOCUS = 0x0010;
inline constexpr std::uint32_t ODS_DEFAULT = 0x0020;
inline constexpr std::uint32_t ODS_HOTLIGHT = 0x0040;
inline constexpr std::uint32_t ODS_INACTIVE = 0x0080;
inline constexpr std::uint32_t ODS_NOACCEL = 0x0100;

// --- Packing of two 16-bit values into a parameter -------------------------------------
constexpr std::int64_t MAKELPARAM(int low, int high) {
  return static_cast<std::int64_t>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                                   static_cast<std::uint32_t>(low & 0xFFFF));
}
constexpr std::uint64_t MAKEWPARAM(int low, int high) {
  return static_cast<std::uint64_t>(static_cast<std::uint32_t>(MAKELPARAM(low, high)));
}
constexpr int LOWORD(std::uint64_t v) {
  return static_cast<int>(v & 0xFFFF);
}
constexpr int HIWORD(std::uint64_t v) {
  return static_cast<int>((v >> 16) & 0xFFFF);
}
// Signed coordinates, as a point packed by MAKELPARAM carries them.
constexpr int GET_X_LPARAM(std::int64_t v) {
  return static_cast<std::int16_t>(v & 0xFFFF);
}
constexpr int GET_Y_LPARAM(std::int64_t v) {
  return static_cast<std::int16_t>((v >> 16) & 0xFFFF);
}

}  // namespace platform
