#include "platform/graphics/Jpeg.h"

#include <cstring>
#include <vector>

#include "platform/Error.h"
#include "platform/graphics/JpegDecompressor.h"
#include "platform/kernel/Files.h"

namespace platform {
namespace {

// Even a flat Huffman-coded picture spends about a bit per 8x8 block, some 500 pixels a byte.
// A header promising far more than its data can carry is refused before anything is allocated.
constexpr std::int64_t MaxPixelsPerByte = 4096;
constexpr std::uintmax_t MaxFileBytes = std::uintmax_t{256} << 20;

void CheckPlausibleSize(const jpeg_decompress_struct& info, std::size_t bytes) {
  const std::int64_t width = info.output_width;
  const std::int64_t height = info.output_height;
  Bitmap::CheckSize(width, height);
  if (width * height > static_cast<std::int64_t>(bytes) * MaxPixelsPerByte) {
    throw Error("JPEG of " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels cannot come from " + std::to_string(bytes) + " bytes");
  }
}

// Spreads the grey bytes at the start of a row to blue, green, red. Right to left, so that no
// grey value is overwritten before it is read.
void SpreadGrey(std::uint8_t* row, int width) {
  for (int x = width - 1; x >= 0; --x) std::memset(row + 3 * x, row[x], 3);
}

// Luminance with libjpeg's own weights, so that CMYK pictures turn grey like the others.
void GreyBgr(std::uint8_t* row, int width) {
  for (int x = 0; x < width; ++x, row += 3) {
    std::memset(row, (row[2] * 19595 + row[1] * 38470 + row[0] * 7471 + 32768) >> 16, 3);
  }
}

std::uint8_t Scale(int value, int by) {
  return static_cast<std::uint8_t>((value * by + 127) / 255);
}

// Adobe's CMYK JPEGs store inverted inks (255 = no ink), others store them plainly.
void CmykToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width, bool inverted) {
  const int flip = inverted ? 0 : 0xFF;
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    const int white = cmyk[3] ^ flip;
    bgr[0] = Scale(cmyk[2] ^ flip, white);
    bgr[1] = Scale(cmyk[1] ^ flip, white);
    bgr[2] = Scale(cmyk[0] ^ flip, white);
  }
}

}  // namespace

Bitmap DecodeJpeg(std::span<const std::uint8_t> data, bool grey) {
  JpegDecompressor jpeg;
  jpeg.ReadHeader(data);
  jpeg_decompress_struct& info = jpeg.Info();
  // libjpeg turns YCCK into CMYK but no further; the step to BGR is ours.
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
  jpeg.Guard([&] { jpeg_calc_output_dimensions(&info); });
  CheckPlausibleSize(info, data.size());

  Bitmap bitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  const int width = bitmap.Width();
  std::vector<std::uint8_t> inks(cmyk ? static_cast<std::size_t>(width) * 4 : 0);
  jpeg.Guard([&] {
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
      std::uint8_t* line = bitmap.ScanLine(static_cast<int>(info.output_scanline));
      JSAMPROW target = cmyk ? inks.data() : line;
      jpeg_read_scanlines(&info, &target, 1);
      if (cmyk) {
        CmykToBgr(inks.data(), line, width, info.saw_Adobe_marker);
        if (grey) GreyBgr(line, width);
      } else if (grey) {
        SpreadGrey(line, width);
      }
    }
  });
  return bitmap;
}

Bitmap LoadJpegFile(const std::string& path, bool grey) {
  const std::vector<std::uint8_t> data = ReadBinaryFile(path, MaxFileBytes);
  try {
    return DecodeJpeg(data, grey);
  } catch (const Error& e) {
    throw Error(path + ": " + e.what());
  }
}

TSize JpegSize(std::span<const std::uint8_t> data) {
  JpegDecompressor jpeg;
  jpeg.ReadHeader(data);
  return {static_cast<int>(jpeg.Info().image_width), static_cast<int>(jpeg.Info().image_height)};
}

}  // namespace platform
