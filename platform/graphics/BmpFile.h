#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"

namespace platform {

// Decodes a complete BMP file held in memory into a 24-bit bitmap: 1, 2, 4 and 8 bits with a
// palette (also RLE4 and RLE8), 16 and 32 bits with or without bit-field masks, 24 bits; Windows
// headers of 40 to 124 bytes and OS/2 headers; bottom-up and top-down. Pixels that an RLE stream
// skips and palette indexes past the palette are black. Throws platform::Error for a file that
// is truncated, inconsistent (an RLE stream painting outside the picture, say) or in a format we
// don't decode (JPEG or PNG inside a BMP).
Bitmap ReadBmp(std::span<const std::uint8_t> data);

// The picture's size from its headers alone; headers that cannot be read throw platform::Error.
TSize BmpSize(std::span<const std::uint8_t> data);

// Reads and decodes a BMP file; every error names the file.
Bitmap LoadBmpFile(const std::string& path);

// Encodes a bitmap as a 24-bit, bottom-up BMP file with a 40-byte header. An empty bitmap has no
// BMP form and throws platform::Error.
std::vector<std::uint8_t> WriteBmp(const Bitmap& b);

void SaveBmpFile(const Bitmap& b, const std::string& path);

// The stream form of a bitmap inside stored descriptions and theme files: a 32-bit
// little-endian byte count followed by a complete BMP file of that many bytes. A count of 0
// stands for an empty bitmap. `consumed` is set to 4 + count.
Bitmap ReadBmpStream(std::span<const std::uint8_t> data, std::size_t& consumed);
std::vector<std::uint8_t> WriteBmpStream(const Bitmap& b);

}  // namespace platform
