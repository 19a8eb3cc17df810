#include "platform/graphics/Png.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <png.h>

#include "platform/Error.h"

namespace platform {

namespace {

std::vector<std::uint8_t> Encode(int width, int height, png_uint_32 format, const void* pixels,
                                 png_int_32 stride) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = format;
  png_alloc_size_t size = 0;
  std::vector<std::uint8_t> png;
  if (png_image_write_get_memory_size(image, size, 0, pixels, stride, nullptr)) {
    png.resize(size);
    if (png_image_write_to_memory(&image, png.data(), &size, 0, pixels, stride, nullptr)) {
      png.resize(size);
      return png;
    }
  }
  throw Error(std::string("Cannot encode PNG: ") + image.message);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Bitmap& b) {
  if (b.Empty()) throw Error("Cannot write an empty bitmap as PNG");
  // The stride counts samples, which are bytes at eight bits, so the padded rows go in as they are.
  return Encode(b.Width(), b.Height(), PNG_FORMAT_BGR, b.ScanLine(0),
                static_cast<png_int_32>(b.Stride()));
}

std::vector<std::uint8_t> EncodePng(const RgbaImage& image) {
  if (image.Width <= 0 || image.Height <= 0 ||
      image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height * 4) {
    throw Error("Cannot write an empty or inconsistent RGBA picture as PNG");
  }
  return Encode(image.Width, image.Height, PNG_FORMAT_RGBA, image.Pixels.data(), 0);
}

RgbaImage DecodePngRgba(std::span<const std::uint8_t> png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size()))
    throw Error(std::string("Cannot read PNG: ") + image.message);
  image.format = PNG_FORMAT_RGBA;
  RgbaImage result;
  try {
    Bitmap::CheckSize(image.width, image.height);
  } catch (...) {
    png_image_free(&image);
    throw;
  }
  result.Width = static_cast<int>(image.width);
  result.Height = static_cast<int>(image.height);
  result.Pixels.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, result.Pixels.data(), 0, nullptr))
    throw Error(std::string("Cannot read PNG: ") + image.message);
  return result;
}

void SavePngFile(const Bitmap& b, const std::string& path) {
  const std::vector<std::uint8_t> png = EncodePng(b);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw Error("Cannot create " + path + ": " + std::strerror(errno));
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  if (std::fclose(file) != 0 || !written) {
    std::remove(path.c_str());  // a half-written snapshot would only mislead
    throw Error("Cannot write " + path);
  }
}

}  // namespace platform
