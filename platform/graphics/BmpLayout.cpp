#include "platform/graphics/BmpLayout.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#include "platform/Error.h"
#include "platform/graphics/Bitmap.h"

namespace platform::bmp {

void ThrowInvalid(const std::string& reason) {
  throw Error("Bitmap image is not valid: " + reason);
}

void ThrowTruncated() {
  throw Error("Bitmap image is truncated");
}

void ThrowUnsupported(const std::string& what) {
  throw Error("Bitmap image uses an unsupported " + what);
}

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;

// Compression codes of the info header.
enum : std::uint32_t {
  BI_RGB = 0,
  BI_RLE8 = 1,
  BI_RLE4 = 2,
  BI_BITFIELDS = 3,
  BI_JPEG = 4,
  BI_PNG = 5,
  BI_ALPHABITFIELDS = 6,
};

// Callers have checked that the bytes exist.
std::uint32_t U16(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint32_t>(d[at] | d[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at) {
  return U16(d, at) | U16(d, at + 2) << 16;
}

// The fields of any info header variant; fields that a short header lacks read as 0.
struct InfoHeader {
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t bitCount = 0;
  std::uint32_t compression = BI_RGB;
  std::uint32_t sizeImage = 0;
  std::uint32_t colorsUsed = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  bool masksInHeader = false;
  bool os2 = false;  // compression codes 3 and 4 mean Huffman and RLE24 there
  std::size_t paletteEntrySize = 4;
  std::size_t end = 0;  // file offset of the palette (past any masks that follow the header)
};

bool IsWindowsHeaderSize(std::uint32_t size) {
  return size == InfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

InfoHeader ReadCoreHeader(std::span<const std::uint8_t> data) {
  if (data.size() < FileHeaderSize + CoreHeaderSize) ThrowTruncated();
  constexpr std::size_t at = FileHeaderSize + 4;
  InfoHeader h;
  h.width = U16(data, at);
  h.height = U16(data, at + 2);
  h.planes = U16(data, at + 4);
  h.bitCount = U16(data, at + 6);
  h.os2 = true;
  h.paletteEntrySize = 3;
  h.end = FileHeaderSize + CoreHeaderSize;
  return h;
}

// Windows headers of 40 to 124 bytes, and the OS/2 2.x header, which may stop after any field
// from its 16th byte on.
InfoHeader ReadInfoHeader(std::span<const std::uint8_t> data, std::uint32_t size) {
  InfoHeader h;
  h.os2 = !IsWindowsHeaderSize(size);
  if (h.os2 && (size < 16 || size > 64)) ThrowUnsupported("header size " + std::to_string(size));
  if (data.size() - FileHeaderSize < size) ThrowTruncated();
  const auto field = [&](std::size_t offset) -> std::uint32_t {
    return offset + 4 <= size ? U32(data, FileHeaderSize + offset) : 0;
  };
  h.width = static_cast<std::int32_t>(field(4));
  h.height = static_cast<std::int32_t>(field(8));
  h.planes = U16(data, FileHeaderSize + 12);
  h.bitCount = U16(data, FileHeaderSize + 14);
  h.compression = field(16);
  h.sizeImage = field(20);
  h.colorsUsed = field(32);
  h.masksInHeader = !h.os2 && size > InfoHeaderSize;
  h.masks = {field(40), field(44), field(48)};
  h.end = FileHeaderSize + size;
  return h;
}

InfoHeader ReadHeaders(std::span<const std::uint8_t> data) {
  if (data.size() < 2) ThrowTruncated();
  if (data[0] != 'B' || data[1] != 'M') ThrowInvalid("no BMP signature");
  if (data.size() < FileHeaderSize + 4) ThrowTruncated();
  const std::uint32_t size = U32(data, FileHeaderSize);
  return size == CoreHeaderSize ? ReadCoreHeader(data) : ReadInfoHeader(data, size);
}

bool IsPaletteDepth(std::uint32_t bits) {
  return bits == 1 || bits == 2 || bits == 4 || bits == 8;
}

Encoding ChooseEncoding(const InfoHeader& h) {
  const std::uint32_t bits = h.bitCount;
  switch (h.compression) {
    case BI_RGB:
      if (IsPaletteDepth(bits)) return Encoding::Indexed;
      if (bits == 16 || bits == 32) return Encoding::BitFields;
      if (bits == 24) return Encoding::Bgr24;
      ThrowUnsupported("depth of " + std::to_string(bits) + " bits per pixel");
    case BI_RLE8:
      if (bits != 8) ThrowInvalid("RLE8 needs 8 bits per pixel");
      return Encoding::Rle8;
    case BI_RLE4:
      if (bits != 4) ThrowInvalid("RLE4 needs 4 bits per pixel");
      return Encoding::Rle4;
    case BI_BITFIELDS:
      if (h.os2) ThrowUnsupported("compression (Huffman)");
      [[fallthrough]];
    case BI_ALPHABITFIELDS:
      if (bits != 16 && bits != 32) ThrowInvalid("bit fields need 16 or 32 bits per pixel");
      return Encoding::BitFields;
    case BI_JPEG:
      ThrowUnsupported(h.os2 ? "compression (RLE24)" : "compression (JPEG)");
    case BI_PNG:
      ThrowUnsupported("compression (PNG)");
    default:
      ThrowUnsupported("compression " + std::to_string(h.compression));
  }
}

Channel MakeChannel(std::uint32_t mask, std::uint32_t bitCount) {
  if (mask == 0) return {};
  if (bitCount < 32 && mask >> bitCount != 0) ThrowInvalid("colour mask wider than the pixel");
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  if ((max & (max + 1)) != 0) ThrowInvalid("colour mask is not contiguous");
  return {shift, max};
}

// Explicit masks follow a 40-byte header and lie inside the longer ones; without bit-field
// compression the defaults apply whatever a long header holds.
void ReadMasks(std::span<const std::uint8_t> data, InfoHeader& h, BmpLayout& layout) {
  if (h.compression == BI_RGB) {
    h.masks = h.bitCount == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                               : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
  } else if (!h.masksInHeader) {
    const std::size_t count = h.compression == BI_ALPHABITFIELDS ? 4 : 3;
    if (data.size() - h.end < count * 4) ThrowTruncated();
    for (std::size_t i = 0; i < 3; ++i) h.masks[i] = U32(data, h.end + i * 4);
    h.end += count * 4;
  }
  layout.red = MakeChannel(h.masks[0], h.bitCount);
  layout.green = MakeChannel(h.masks[1], h.bitCount);
  layout.blue = MakeChannel(h.masks[2], h.bitCount);
}

void ReadPalette(std::span<const std::uint8_t> data, const InfoHeader& h, std::size_t offBits,
                 BmpLayout& layout) {
  std::size_t count = std::size_t{1} << h.bitCount;
  if (h.colorsUsed != 0) count = std::min<std::size_t>(count, h.colorsUsed);
  // A palette never reaches into the pixels: old OS/2 files store a short palette and say so
  // only through the pixel offset.
  count = std::min(count, (offBits - h.end) / h.paletteEntrySize);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = h.end + i * h.paletteEntrySize;
    layout.palette[i] = {data[at], data[at + 1], data[at + 2]};
  }
}

}  // namespace

BmpLayout ParseBmpLayout(std::span<const std::uint8_t> data) {
  InfoHeader h = ReadHeaders(data);
  BmpLayout layout;
  layout.encoding = ChooseEncoding(h);
  const bool rle = IsRle(layout.encoding);
  if (h.planes != 1) ThrowInvalid("plane count must be 1");
  if (h.width <= 0) ThrowInvalid("width must be positive");
  if (h.height == 0) ThrowInvalid("height must not be 0");
  layout.topDown = h.height < 0;
  if (layout.topDown && rle) ThrowInvalid("a compressed picture cannot be top-down");
  const std::int64_t height = layout.topDown ? -h.height : h.height;
  Bitmap::CheckSize(h.width, height);
  layout.width = static_cast<int>(h.width);
  layout.height = static_cast<int>(height);
  layout.bitCount = static_cast<int>(h.bitCount);

  if (layout.encoding == Encoding::BitFields) ReadMasks(data, h, layout);
  const std::uint32_t offBits = U32(data, 10);
  if (offBits > data.size()) ThrowTruncated();
  if (offBits < h.end) ThrowInvalid("pixel data overlaps the headers");
  if (IsPaletteDepth(h.bitCount)) ReadPalette(data, h, offBits, layout);

  layout.pixels = data.subspan(offBits);
  if (rle && h.sizeImage != 0) {
    if (h.sizeImage > layout.pixels.size()) ThrowTruncated();
    layout.pixels = layout.pixels.first(h.sizeImage);
  }
  return layout;
}

}  // namespace platform::bmp
