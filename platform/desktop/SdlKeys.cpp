#include "platform/desktop/SdlKeys.h"

#include <SDL.h>

#include "platform/window/Messages.h"

namespace platform {

std::uint32_t VirtualKeyFromSdl(std::int32_t keycode) {
  if (keycode >= SDLK_a && keycode <= SDLK_z)
    return static_cast<std::uint32_t>(keycode - SDLK_a + 'A');
  if (keycode >= SDLK_0 && keycode <= SDLK_9) return static_cast<std::uint32_t>(keycode);
  if (keycode >= SDLK_F1 && keycode <= SDLK_F12)
    return static_cast<std::uint32_t>(VK_F1 + (keycode - SDLK_F1));
  switch (keycode) {
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
      return VK_MENU;
    case SDLK_PAUSE:
      return VK_PAUSE;
    case SDLK_CAPSLOCK:
      return VK_CAPITAL;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_PAGEUP:
      return VK_PRIOR;
    case SDLK_PAGEDOWN:
      return VK_NEXT;
    case SDLK_END:
      return VK_END;
    case SDLK_HOME:
      return VK_HOME;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_INSERT:
      return VK_INSERT;
    case SDLK_DELETE:
      return VK_DELETE;
    default:
      return 0;
  }
}

}  // namespace platform
