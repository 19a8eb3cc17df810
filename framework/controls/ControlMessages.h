#pragma once

#include <cstdint>

#include "platform/window/MessageParams.h"

namespace framework {

class TWinControl;

// Framework notices: window messages of the framework's own, sent synchronously to
// controls, windowed or not. The skin engine's messages start at 0xA000.
inline constexpr std::uint32_t CM_BASE = 0xB000;
inline constexpr std::uint32_t CM_ACTIVATE = CM_BASE + 0;
inline constexpr std::uint32_t CM_DEACTIVATE = CM_BASE + 1;
inline constexpr std::uint32_t CM_DIALOGKEY = CM_BASE + 5;  // WParam key, LParam shift bits
// WParam character; passed down the controls until one answers other than 0.
inline constexpr std::uint32_t CM_DIALOGCHAR = CM_BASE + 6;
// Sent to the top-level parent; LParam is the control that took the focus.
inline constexpr std::uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr std::uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr std::uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr std::uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr std::uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr std::uint32_t CM_COLORCHANGED = CM_BASE + 13;
inline constexpr std::uint32_t CM_FONTCHANGED = CM_BASE + 14;
inline constexpr std::uint32_t CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr std::uint32_t CM_MOUSEENTER = CM_BASE + 19;
inline constexpr std::uint32_t CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr std::uint32_t CM_MENUCHANGED = CM_BASE + 21;
inline constexpr std::uint32_t CM_ENTER = CM_BASE + 26;
inline constexpr std::uint32_t CM_EXIT = CM_BASE + 27;
inline constexpr std::uint32_t CM_SHOWHINTCHANGED = CM_BASE + 34;
inline constexpr std::uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
inline constexpr std::uint32_t CM_SYSCOLORCHANGE = CM_BASE + 36;
inline constexpr std::uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
// Sent to the top-level parent before a control handles a key (WParam); a result other
// than 0 means the key was used (a menu shortcut) and the control does not see it.
inline constexpr std::uint32_t CM_CHILDKEY = CM_BASE + 46;

// CM_FOCUSCHANGED's control.
inline platform::LPARAM FocusChangedParam(TWinControl* control) {
  return platform::LParamOf(control);
}
inline TWinControl* FocusedControlOf(const platform::TMessage& m) {
  return platform::LParamPointer<TWinControl>(m);
}

}  // namespace framework
