#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <utility>

#include "platform/Error.h"

namespace platform {

void Bitmap::CheckSize(std::int64_t width, std::int64_t height) {
  if (width < 0 || height < 0 || width > MaxDimension || height > MaxDimension ||
      width * height > MaxPixels) {
    throw Error("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                " is out of range");
  }
}

Bitmap::Bitmap(int width, int height) {
  CheckSize(width, height);
  width_ = width;
  height_ = height;
  stride_ = StrideFor(width);
  pixels_ = ZeroedBytes(stride_ * static_cast<std::size_t>(height));
}

Bitmap::ZeroedBytes::ZeroedBytes(std::size_t size)
    : bytes_(size > 0 ? static_cast<std::uint8_t*>(std::calloc(size, 1)) : nullptr), size_(size) {
  if (size > 0 && !bytes_) throw std::bad_alloc();
}

Bitmap::ZeroedBytes::ZeroedBytes(const ZeroedBytes& other) : ZeroedBytes(other.size_) {
  if (size_ > 0) std::memcpy(bytes_.get(), other.bytes_.get(), size_);
}

Bitmap::ZeroedBytes::ZeroedBytes(ZeroedBytes&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)) {}

Bitmap::ZeroedBytes& Bitmap::ZeroedBytes::operator=(ZeroedBytes other) noexcept {
  std::swap(bytes_, other.bytes_);
  std::swap(size_, other.size_);
  return *this;
}

void Bitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  Bitmap resized(width, height);
  const int rows = std::min(height, height_);
  const std::size_t bytes = static_cast<std::size_t>(std::min(width, width_)) * 3;
  // A bitmap with no columns has no pixel storage: its rows have no address to copy from.
  if (bytes > 0)
    for (int y = 0; y < rows; ++y) std::memcpy(resized.ScanLine(y), ScanLine(y), bytes);
  *this = std::move(resized);
}

void Bitmap::Fill(TColor color) {
  FillRect(BoundsRect(), color);
}

void Bitmap::FillRect(const TRect& rect, TColor color) {
  const TRect r = rect.Intersect(BoundsRect());
  if (r.IsEmpty()) return;
  const TColor rgb = ColorToRGB(color);
  const std::uint8_t bgr[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint8_t* p = ScanLine(y) + r.Left * 3;
    for (int x = r.Left; x < r.Right; ++x, p += 3) std::memcpy(p, bgr, 3);
  }
}

TColor Bitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
  const std::uint8_t* p = ScanLine(y) + x * 3;
  return RGB(p[2], p[1], p[0]);
}

void Bitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const TColor rgb = ColorToRGB(color);
  std::uint8_t* p = ScanLine(y) + x * 3;
  p[0] = GetBValue(rgb);
  p[1] = GetGValue(rgb);
  p[2] = GetRValue(rgb);
}

bool operator==(const Bitmap& a, const Bitmap& b) {
  if (a.width_ != b.width_ || a.height_ != b.height_) return false;
  const std::size_t bytes = static_cast<std::size_t>(a.width_) * 3;
  for (int y = 0; y < a.height_; ++y)
    if (std::memcmp(a.ScanLine(y), b.ScanLine(y), bytes) != 0) return false;
  return true;
}

}  // namespace platform
