#include "platform/graphics/Png.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <png.h>

#include "platform/Error.h"

namespace platform {

std::vector<std::uint8_t> EncodePng(const Bitmap& b) {
  if (b.Empty()) throw Error("Cannot write an empty bitmap as PNG");
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(b.Width());
  image.height = static_cast<png_uint_32>(b.Height());
  image.format = PNG_FORMAT_BGR;
  // The stride counts samples, which are bytes at eight bits, so the padded rows go in as they are.
  const auto stride = static_cast<png_int_32>(b.Stride());
  png_alloc_size_t size = 0;
  std::vector<std::uint8_t> png;
  if (png_image_write_get_memory_size(image, size, 0, b.ScanLine(0), stride, nullptr)) {
    png.resize(size);
    if (png_image_write_to_memory(&image, png.data(), &size, 0, b.ScanLine(0), stride, nullptr)) {
      png.resize(size);
      return png;
    }
  }
  throw Error(std::string("Cannot encode PNG: ") + image.message);
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
