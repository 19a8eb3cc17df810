#include "platform/graphics/Color.h"

#include <array>

namespace platform {

namespace {

// The classic scheme at 96 dpi; the skin engine paints over most of it.
constexpr std::array<TColor, COLOR_ENDCOLORS> kSystemColors = {
    0xC8D0D4,  // scroll bar
    0xA56E3A,  // desktop background
    0x6A240A,  // active caption
    0x808080,  // inactive caption
    0xC8D0D4,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC8D0D4,  // active border
    0xC8D0D4,  // inactive border
    0x808080,  // application workspace
    0x6A240A,  // highlight
    0xFFFFFF,  // highlight text
    0xC8D0D4,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC8D0D4,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x404040,  // 3-D dark shadow
    0xC8D0D4,  // 3-D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0xB5B5B5,  // unused index 25
    0x800000,  // hot light
    0xF0CAA6,  // gradient of the active caption
    0xC0C0C0,  // gradient of the inactive caption
    0xC56A31,  // menu highlight
    0xC8D0D4,  // menu bar
};

}  // namespace

bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == SystemColorFlag; }

TColor GetSysColor(std::uint32_t index) {
  return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
}

TColor ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(color & 0xFFu);
  return color & 0x00FFFFFFu;
}

}  // namespace platform
