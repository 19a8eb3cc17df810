#include <string_view>

#include "platform/window/Input.h"
#include "platform/window/MenuSystem.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

// The character a key produces by itself on the desktop: editing keys and Ctrl+letter.
int TranslatedChar(std::uint32_t vk, bool ctrl) {
  switch (vk) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
      return static_cast<int>(vk);
    default:
      return ctrl && vk >= 'A' && vk <= 'Z' ? static_cast<int>(vk - 'A' + 1) : 0;
  }
}

// Decodes one code point; a broken sequence gives U+FFFD and skips one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  const int extra = (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
  if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

// Alt with a letter or a digit went out as a system character (a menu's access key) when the
// key went down; the desktop's text for the same key is not typed as well. AltGr (Ctrl+Alt
// here, or a character other than the key's own) still types.
bool IsAltCharacter(const InputState& in, char32_t cp) {
  if (!in.KeysDown[VK_MENU] || in.KeysDown[VK_CONTROL]) return false;
  const char32_t key = cp >= 'a' && cp <= 'z' ? cp - 'a' + 'A' : cp;
  return ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) && in.KeysDown[key];
}

}  // namespace

void InputKey(std::uint32_t vk, bool down) {
  WindowSystem& sys = Sys();
  InputState& in = sys.Input;
  vk &= 0xFF;
  const bool wasDown = in.KeysDown[vk];
  in.KeysDown[vk] = down;
  if (down) in.AltAlone = vk == VK_MENU;
  if (sys.Menus->HandleKey(vk, down)) return;
  if (in.Tracking != TrackingKind::None) {
    if (down) TrackingKey(vk);
    return;
  }
  const bool alt = in.KeysDown[VK_MENU];
  const bool ctrl = in.KeysDown[VK_CONTROL];
  HWND target = in.Focus;
  // Without a focused window the active one gets the keys, as system keys.
  const bool system = target == NullWindow || (alt && !ctrl) || vk == VK_F10 || vk == VK_MENU;
  if (target == NullWindow) target = in.Active;
  if (target == NullWindow) return;
  const LPARAM flags = KeyParam(alt, wasDown, down);
  const std::uint32_t msg =
      down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  SendMessage(target, msg, vk, flags);
  if (!down || !IsWindow(target)) return;
  // Alt with a letter, a digit or the space bar (the system menu) is a system character.
  if (system && alt && ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == VK_SPACE)) {
    const WPARAM ch = vk >= 'A' && vk <= 'Z' ? vk - 'A' + 'a' : vk;
    SendMessage(target, WM_SYSCHAR, ch, flags);
  } else if (!system) {
    if (const int ch = TranslatedChar(vk, ctrl))
      SendMessage(target, WM_CHAR, static_cast<WPARAM>(ch), flags);
  }
}

void InputText(std::string_view utf8) {
  WindowSystem& sys = Sys();
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, i);
    if (IsAltCharacter(sys.Input, cp)) continue;
    if (sys.Menus->HandleChar(cp)) continue;
    if (sys.Input.Focus != NullWindow)
      SendMessage(sys.Input.Focus, WM_CHAR, cp, KeyParam(false, false, true));
  }
}

bool IsKeyDown(std::uint32_t vk) {
  return Sys().Input.KeysDown[vk & 0xFF];
}

std::int16_t GetKeyState(std::uint32_t vk) {
  return IsKeyDown(vk) ? static_cast<std::int16_t>(0x8000 - 0x10000) : std::int16_t{0};
}

}  // namespace platform
