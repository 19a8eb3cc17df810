#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A picture with an opacity per pixel, rows of red, green, blue, alpha bytes, top row first:
// what desktops take as a program's icon.
struct RgbaImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;

  friend bool operator==(const RgbaImage&, const RgbaImage&) = default;
};

}  // namespace platform
