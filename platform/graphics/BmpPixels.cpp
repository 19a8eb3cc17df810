#include <cstdint>
#include <cstring>

#include "platform/graphics/BmpDecode.h"

namespace platform::bmp {
namespace {

void DecodeIndexedRow(const BmpLayout& l, const std::uint8_t* src, std::uint8_t* dst) {
  const unsigned bits = static_cast<unsigned>(l.bitCount);
  const unsigned mask = (1u << bits) - 1;
  for (int x = 0; x < l.width; ++x, dst += 3) {
    const std::size_t bit = static_cast<std::size_t>(x) * bits;
    const unsigned index = (src[bit / 8] >> (8 - bits - bit % 8)) & mask;
    PutBgr(dst, l.palette[index]);
  }
}

void DecodeBitFieldRow(const BmpLayout& l, const std::uint8_t* src, std::uint8_t* dst) {
  const bool wide = l.bitCount == 32;
  for (int x = 0; x < l.width; ++x, dst += 3) {
    std::uint32_t v = src[0] | static_cast<std::uint32_t>(src[1]) << 8;
    if (wide)
      v |= static_cast<std::uint32_t>(src[2]) << 16 | static_cast<std::uint32_t>(src[3]) << 24;
    src += wide ? 4 : 2;
    dst[0] = l.blue.Scale(v);
    dst[1] = l.green.Scale(v);
    dst[2] = l.red.Scale(v);
  }
}

void DecodeBgrRow(const BmpLayout& l, const std::uint8_t* src, std::uint8_t* dst) {
  std::memcpy(dst, src, static_cast<std::size_t>(l.width) * 3);
}

using RowDecoder = void (*)(const BmpLayout&, const std::uint8_t*, std::uint8_t*);

RowDecoder RowDecoderFor(Encoding encoding) {
  if (encoding == Encoding::Indexed) return DecodeIndexedRow;
  if (encoding == Encoding::BitFields) return DecodeBitFieldRow;
  return DecodeBgrRow;
}

}  // namespace

Bitmap DecodeUncompressed(const BmpLayout& l) {
  const std::uint64_t rowBits =
      static_cast<std::uint64_t>(l.width) * static_cast<unsigned>(l.bitCount);
  const std::uint64_t stride = (rowBits + 31) / 32 * 4;
  // Every row must be in the file before we allocate; only the last may lack its padding.
  const std::uint64_t needed =
      stride * static_cast<std::uint64_t>(l.height - 1) + (rowBits + 7) / 8;
  if (needed > l.pixels.size()) ThrowTruncated();

  const RowDecoder decodeRow = RowDecoderFor(l.encoding);
  Bitmap bmp(l.width, l.height);
  for (int row = 0; row < l.height; ++row) {
    const std::uint8_t* src = l.pixels.data() + static_cast<std::size_t>(row) * stride;
    std::uint8_t* dst = bmp.ScanLine(l.topDown ? row : l.height - 1 - row);
    decodeRow(l, src, dst);
  }
  return bmp;
}

}  // namespace platform::bmp
