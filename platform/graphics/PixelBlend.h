#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/graphics/Color.h"

namespace platform {

// A resolved colour in the byte order of the bitmap's pixels.
inline std::array<std::uint8_t, 3> ToBgr(TColor rgb) {
  return {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
}

// Element by element: a three-byte copy would otherwise become a library call per pixel.
inline void CopyPixel(std::uint8_t* pixel, const std::array<std::uint8_t, 3>& bgr) {
  pixel[0] = bgr[0];
  pixel[1] = bgr[1];
  pixel[2] = bgr[2];
}

// Mixes a colour into one blue-green-red pixel; coverage 255 replaces it, 0 keeps it.
inline void BlendPixel(std::uint8_t* pixel, const std::array<std::uint8_t, 3>& bgr, int coverage) {
  const int a = std::clamp(coverage, 0, 255);
  if (a == 255) {
    CopyPixel(pixel, bgr);
    return;
  }
  for (std::size_t i = 0; i < 3; ++i)
    pixel[i] = static_cast<std::uint8_t>((bgr[i] * a + pixel[i] * (255 - a) + 127) / 255);
}

}  // namespace platform
