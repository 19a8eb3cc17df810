#pragma once

#include <cstdint>

#include "platform/graphics/Geometry.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowTypes.h"

namespace platform {

// What each message carries in WParam and LParam, written down once: senders build the
// parameters and receivers read them through these, so neither side spells out a cast or a
// bit layout of its own.

// --- Pointers -------------------------------------------------------------------------
// A pointer travels as its address, valid only while the message is being handled.
template <class T>
LPARAM LParamOf(T* pointer) {
  return reinterpret_cast<LPARAM>(pointer);
}
template <class T>
WPARAM WParamOf(T* pointer) {
  return reinterpret_cast<WPARAM>(pointer);
}
template <class T>
T* LParamPointer(const TMessage& m) {
  return reinterpret_cast<T*>(m.LParam);
}
template <class T>
T* WParamPointer(const TMessage& m) {
  return reinterpret_cast<T*>(m.WParam);
}

// WM_PAINT, WM_ERASEBKGND: WParam the canvas to paint on. A WM_PAINT without one asks the
// window to begin painting itself.
inline WPARAM CanvasParam(Canvas& canvas) {
  return WParamOf(&canvas);
}
inline Canvas* CanvasOf(const TMessage& m) {
  return WParamPointer<Canvas>(m);
}

// WM_NCCALCSIZE: LParam the window's rectangle, which the receiver narrows to the client
// area. WM_SIZING, WM_MOVING: LParam the tracked bounds, which the receiver may change.
inline LPARAM RectParam(TRect& rect) {
  return LParamOf(&rect);
}
inline TRect* RectOf(const TMessage& m) {
  return LParamPointer<TRect>(m);
}

// WM_MEASUREITEM: LParam the item, whose size the receiver fills in.
inline LPARAM MeasureItemParam(MeasureItemStruct& item) {
  return LParamOf(&item);
}
inline MeasureItemStruct& MeasureItemOf(const TMessage& m) {
  return *LParamPointer<MeasureItemStruct>(m);
}

// WM_DRAWITEM: LParam the item to draw.
inline LPARAM DrawItemParam(const DrawItemStruct& item) {
  return LParamOf(&item);
}
inline const DrawItemStruct& DrawItemOf(const TMessage& m) {
  return *LParamPointer<const DrawItemStruct>(m);
}

// --- Packed values --------------------------------------------------------------------
// Mouse messages, WM_NCHITTEST, WM_HELP, WM_MOUSEWHEEL: LParam a point, in client
// coordinates for client mouse messages and in screen coordinates otherwise. WM_MOVE: the
// client area's origin. Each coordinate keeps its sign in 16 bits.
constexpr LPARAM PointParam(TPoint p) {
  return MAKELPARAM(p.X, p.Y);
}
constexpr TPoint PointOf(const TMessage& m) {
  return {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
}

// WM_SIZE: LParam the client area's width and height.
constexpr LPARAM SizeParam(TSize size) {
  return MAKELPARAM(size.cx, size.cy);
}

// WM_MOUSEWHEEL: WParam the MK_ key state and the signed distance turned, in WHEEL_DELTA
// units per notch.
constexpr WPARAM WheelParam(WPARAM keys, int delta) {
  return MAKEWPARAM(static_cast<int>(keys), delta);
}
constexpr int WheelDeltaOf(const TMessage& m) {
  return static_cast<std::int16_t>(HIWORD(m.WParam));
}

// Key messages: LParam a repeat count of one, bit 29 while Alt is down, bit 30 when the key
// was down before and bits 30 and 31 on release.
constexpr LPARAM KeyParam(bool alt, bool wasDown, bool down) {
  LPARAM flags = 1;
  if (alt) flags |= LPARAM{1} << 29;
  if (wasDown) flags |= LPARAM{1} << 30;
  if (!down) flags |= LPARAM{3} << 30;
  return flags;
}
constexpr bool AltDownOf(const TMessage& m) {
  return (m.LParam & (LPARAM{1} << 29)) != 0;
}

// WM_SYSCOMMAND: WParam the SC_ command with extra data (a hit code) in its low four bits.
constexpr WPARAM SysCommandParam(std::uint32_t command, std::uint32_t extra = 0) {
  return command | (extra & 0x000F);
}
constexpr std::uint32_t SysCommandOf(const TMessage& m) {
  return static_cast<std::uint32_t>(m.WParam) & 0xFFF0;
}
constexpr std::uint32_t SysCommandExtraOf(const TMessage& m) {
  return static_cast<std::uint32_t>(m.WParam) & 0x000F;
}

// WM_ACTIVATE: the low word of WParam is WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE.
constexpr std::uint32_t ActivationOf(const TMessage& m) {
  return static_cast<std::uint32_t>(LOWORD(m.WParam));
}

// WM_COMMAND: the low word of WParam is the command.
constexpr std::uint32_t CommandOf(const TMessage& m) {
  return static_cast<std::uint32_t>(LOWORD(m.WParam));
}

// WM_MENUSELECT: WParam the item (its command, or its position when it opens a submenu) and
// its MF_ flags; MenuClosedParam when the menu closes.
constexpr WPARAM MenuSelectParam(int item, std::uint32_t flags) {
  return MAKEWPARAM(item, static_cast<int>(flags));
}
inline constexpr WPARAM MenuClosedParam = MenuSelectParam(0, 0xFFFF);

// WM_INITMENUPOPUP: LParam the submenu's position in its parent menu.
constexpr LPARAM PopupPositionParam(int position) {
  return MAKELPARAM(position, 0);
}

}  // namespace platform
