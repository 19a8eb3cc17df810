#pragma once

// Test pictures as JPEG files made by libjpeg itself, rather than files of unknown origin.

#include <cstdint>
#include <vector>

#include "tools/skinart/JpegWrite.h"

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

// Interleaved samples as libjpeg takes them: RGB, grey, or CMYK.
struct Picture {
  int width = 0;
  int height = 0;
  int components = 3;
  Bytes samples;

  const std::uint8_t* At(int x, int y) const {
    return samples.data() + (static_cast<std::size_t>(y) * width + x) * components;
  }
};

// What varies between test pictures; the input colour space follows the components.
using JpegOptions = jpegwrite::Options;

inline Bytes EncodeJpeg(const Picture& p, JpegOptions o = {}) {
  o.input = p.components == 1 ? JCS_GRAYSCALE : p.components == 3 ? JCS_RGB : JCS_CMYK;
  if (p.components == 1) o.stored = JCS_GRAYSCALE;
  return jpegwrite::Encode(
      p.width, p.height, p.components, [&p](int y) { return p.At(0, y); }, o);
}

}  // namespace testsupport
