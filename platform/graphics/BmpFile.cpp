#include "platform/graphics/BmpFile.h"

#include <cstring>

#include "platform/Error.h"
#include "platform/graphics/BmpDecode.h"
#include "platform/graphics/BmpLayout.h"
#include "platform/kernel/Files.h"

namespace platform {
namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::size_t StreamCountSize = 4;

// No BMP we can decode is bigger than 32-bit pixels at the largest size plus room for
// palettes, masks and colour profiles; anything bigger is not worth reading into memory.
constexpr std::uint64_t MaxBmpFileSize = std::uint64_t{Bitmap::MaxPixels} * 4 + (1 << 20);

void PutU16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(std::uint8_t* p, std::uint32_t v) {
  PutU16(p, v);
  PutU16(p + 2, v >> 16);
}

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

}  // namespace

TSize BmpSize(std::span<const std::uint8_t> data) {
  const bmp::BmpLayout layout = bmp::ParseBmpLayout(data);
  return {layout.width, layout.height};
}

Bitmap ReadBmp(std::span<const std::uint8_t> data) {
  const bmp::BmpLayout layout = bmp::ParseBmpLayout(data);
  return bmp::IsRle(layout.encoding) ? bmp::DecodeRle(layout) : bmp::DecodeUncompressed(layout);
}

Bitmap LoadBmpFile(const std::string& path) {
  const std::vector<std::uint8_t> data = ReadBinaryFile(path, MaxBmpFileSize);
  try {
    return ReadBmp(data);
  } catch (const Error& e) {
    throw Error("Cannot load bitmap file " + Quoted(path) + ": " + e.what());
  }
}

std::vector<std::uint8_t> WriteBmp(const Bitmap& b) {
  if (b.Empty()) throw Error("An empty bitmap cannot be written as a BMP file");
  const std::size_t rowBytes = b.Stride();
  const auto imageSize =
      static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(b.Height()));
  const std::uint32_t offBits = FileHeaderSize + InfoHeaderSize;
  std::vector<std::uint8_t> out(offBits + imageSize, 0);

  std::uint8_t* h = out.data();
  h[0] = 'B';
  h[1] = 'M';
  PutU32(h + 2, offBits + imageSize);
  PutU32(h + 10, offBits);
  PutU32(h + 14, InfoHeaderSize);
  PutU32(h + 18, static_cast<std::uint32_t>(b.Width()));
  PutU32(h + 22, static_cast<std::uint32_t>(b.Height()));
  PutU16(h + 26, 1);   // planes
  PutU16(h + 28, 24);  // bits per pixel; compression and the rest stay 0
  PutU32(h + 34, imageSize);

  const std::size_t pixelBytes = static_cast<std::size_t>(b.Width()) * 3;
  for (int y = 0; y < b.Height(); ++y) {
    const std::size_t row = static_cast<std::size_t>(b.Height() - 1 - y);
    std::memcpy(out.data() + offBits + row * rowBytes, b.ScanLine(y), pixelBytes);
  }
  return out;
}

void SaveBmpFile(const Bitmap& b, const std::string& path) {
  WriteBinaryFile(path, WriteBmp(b));
}

Bitmap ReadBmpStream(std::span<const std::uint8_t> data, std::size_t& consumed) {
  if (data.size() < StreamCountSize) throw Error("Bitmap stream is truncated");
  const std::size_t count =
      data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::size_t>(data[3]) << 24;
  if (count > data.size() - StreamCountSize) {
    throw Error("Bitmap stream count runs past the end of the data");
  }
  Bitmap b = count == 0 ? Bitmap() : ReadBmp(data.subspan(StreamCountSize, count));
  consumed = StreamCountSize + count;
  return b;
}

std::vector<std::uint8_t> WriteBmpStream(const Bitmap& b) {
  std::vector<std::uint8_t> out(StreamCountSize, 0);
  if (b.Empty()) return out;
  const std::vector<std::uint8_t> file = WriteBmp(b);
  PutU32(out.data(), static_cast<std::uint32_t>(file.size()));
  out.insert(out.end(), file.begin(), file.end());
  return out;
}

}  // namespace platform
