#pragma once

// Pixel helpers shared by the routines of sGraphUtils; not for use outside them.

#include <array>
#include <cstdint>

#include "platform/graphics/Color.h"

namespace sGraphUtils::pixels {

using Bgr = std::array<std::uint8_t, 3>;

// A colour's bytes in pixel order, system colours resolved.
inline Bgr ToBgr(platform::TColor color) {
  const platform::TColor rgb = platform::ColorToRGB(color);
  return {platform::GetBValue(rgb), platform::GetGValue(rgb), platform::GetRValue(rgb)};
}

// The colour-mask rule for one channel: color + floor(mask * (old - color) / 256), so mask 0
// gives the colour and 255 almost keeps the old value; it rounds once, unlike the masked-image
// rule (sMaskData::MaskedImageBlend). Written as a weighted sum whose weights add up to 256,
// the numerator stays within 16 bits, which lets the loops use narrow vectors.
inline std::uint8_t ColorMaskBlend(std::uint8_t old, std::uint8_t color, std::uint8_t mask) {
  const auto sum = static_cast<std::uint16_t>(mask * old + (256 - mask) * color);
  return static_cast<std::uint8_t>(sum >> 8);
}

}  // namespace sGraphUtils::pixels
