#pragma once

#include <cstdint>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpLayout.h"

// The pixel decoders behind ReadBmp. Both check that the data can hold the picture before they
// allocate it and throw platform::Error otherwise.
namespace platform::bmp {

// Indexed, bit-field and 24-bit rows (any encoding but RLE), bottom-up or top-down.
Bitmap DecodeUncompressed(const BmpLayout& layout);

// RLE4 and RLE8 streams; pixels the stream skips stay black, and a stream that paints or moves
// outside the picture is an error.
Bitmap DecodeRle(const BmpLayout& layout);

inline void PutBgr(std::uint8_t* dst, const Bgr& c) {
  dst[0] = c.b;
  dst[1] = c.g;
  dst[2] = c.r;
}

}  // namespace platform::bmp
