#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

namespace platform {

// A 24-bit picture: rows of blue, green, red bytes, top row first, each row padded to a
// multiple of four bytes as in a device-independent bitmap.
class Bitmap {
 public:
  // The largest picture we allocate; anything bigger is a lie of a file or a mistake.
  static constexpr int MaxDimension = 32768;
  static constexpr std::int64_t MaxPixels = std::int64_t{1} << 26;

  Bitmap() = default;
  // New pixels are black. Throws platform::Error when the size is negative or too large.
  Bitmap(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  TRect BoundsRect() const { return {0, 0, width_, height_}; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  std::size_t Stride() const { return stride_; }

  // Row y (0 = top) as width * 3 bytes of blue, green, red.
  std::uint8_t* ScanLine(int y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* ScanLine(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * stride_;
  }

  // Resizes keeping the top-left part; pixels that become new are black.
  void SetSize(int width, int height);

  // Fills the whole bitmap, or a rectangle clipped to it, with a colour (system colours
  // resolved).
  void Fill(TColor color);
  void FillRect(const TRect& rect, TColor color);

  // Out-of-range reads give black; out-of-range writes are ignored.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  friend bool operator==(const Bitmap&, const Bitmap&);

  static void CheckSize(std::int64_t width, std::int64_t height);

 private:
  static std::size_t StrideFor(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

  // Bytes that start at zero. They come from calloc, which takes large blocks zeroed from the
  // system: a big picture's pages are then touched only where something paints them.
  class ZeroedBytes {
   public:
    ZeroedBytes() = default;
    explicit ZeroedBytes(std::size_t size);
    ZeroedBytes(const ZeroedBytes& other);
    ZeroedBytes(ZeroedBytes&& other) noexcept;
    ZeroedBytes& operator=(ZeroedBytes other) noexcept;
    ~ZeroedBytes() = default;

    std::uint8_t* data() const { return bytes_.get(); }

   private:
    struct Free {
      void operator()(std::uint8_t* bytes) const { std::free(bytes); }
    };
    std::unique_ptr<std::uint8_t[], Free> bytes_;
    std::size_t size_ = 0;
  };

  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  ZeroedBytes pixels_;
};

}  // namespace platform
