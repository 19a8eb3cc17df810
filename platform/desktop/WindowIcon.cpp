#include "platform/desktop/WindowIcon.h"

#include <cstddef>
#include <cstdint>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/window/Icons.h"
#include "platform/window/Metrics.h"

namespace platform {

void ApplyApplicationIcon(SDL_Window* window) {
  const int size = GetSystemMetrics(SM_CXSMICON);
  // Drawn over magenta, which becomes the icon's transparent part.
  Bitmap picture(size, size);
  picture.Fill(clFuchsia);
  Canvas canvas(picture);
  DrawApplicationIcon(canvas, {0, 0});
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_RGBA32);
  if (icon == nullptr) return;
  SDL_LockSurface(icon);
  for (int y = 0; y < size; ++y) {
    auto* row =
        static_cast<std::uint8_t*>(icon->pixels) + static_cast<std::ptrdiff_t>(y) * icon->pitch;
    for (int x = 0; x < size; ++x) {
      const TColor c = picture.Pixel(x, y);
      const std::uint8_t rgba[4] = {GetRValue(c), GetGValue(c), GetBValue(c),
                                    static_cast<std::uint8_t>(c == clFuchsia ? 0 : 255)};
      for (int i = 0; i < 4; ++i) row[x * 4 + i] = rgba[i];
    }
  }
  SDL_UnlockSurface(icon);
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace platform
