#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// What the headers of a BMP file say about its pixels, checked against the file's real size.
// Shared by the header parser and the pixel decoders of BmpFile.cpp.
namespace platform::bmp {

enum class Encoding { Indexed, Rle8, Rle4, BitFields, Bgr24 };

inline bool IsRle(Encoding e) {
  return e == Encoding::Rle4 || e == Encoding::Rle8;
}

// One colour channel of a bit-field pixel.
struct Channel {
  int shift = 0;
  std::uint32_t max = 0;  // the mask shifted down; 0 for a channel the file doesn't have

  // The channel of `pixel` scaled to 0..255, rounding to the nearest value.
  std::uint8_t Scale(std::uint32_t pixel) const {
    if (max == 0) return 0;
    const std::uint64_t v = (pixel >> shift) & max;
    return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
  }
};

struct Bgr {
  std::uint8_t b = 0, g = 0, r = 0;
};

struct BmpLayout {
  int width = 0;
  int height = 0;  // always positive; see topDown
  bool topDown = false;
  int bitCount = 0;
  Encoding encoding = Encoding::Indexed;
  // Every index of an 8-bit pixel has an entry; those past the file's palette stay black.
  std::array<Bgr, 256> palette{};
  Channel red, green, blue;
  // From the pixel data offset to the end of the file (or of the image size, for RLE).
  std::span<const std::uint8_t> pixels;
};

// Parses and checks the file header, the info header, the masks and the palette. The width
// and height have passed Bitmap::CheckSize; whether the pixel data suffices is up to the
// decoder.
BmpLayout ParseBmpLayout(std::span<const std::uint8_t> data);

[[noreturn]] void ThrowInvalid(const std::string& reason);
[[noreturn]] void ThrowTruncated();
[[noreturn]] void ThrowUnsupported(const std::string& what);

}  // namespace platform::bmp
