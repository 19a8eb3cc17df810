#include <algorithm>
#include <cstdint>
#include <span>

#include "platform/graphics/BmpDecode.h"

namespace platform::bmp {
namespace {

// Escape codes that follow a zero count.
constexpr unsigned EndOfLine = 0;
constexpr unsigned EndOfBitmap = 1;
constexpr unsigned Delta = 2;

// Pictures up to this many pixels are always accepted. A run pair paints at most 255 pixels
// with two bytes; only skips (delta, end of line, end of bitmap) do better, and they leave the
// picture black. So above this size the data must be able to paint the picture with runs:
// a few bytes must not make us allocate hundreds of megabytes of black.
constexpr std::int64_t FreeRlePixels = std::int64_t{1} << 22;

class RleInput {
 public:
  explicit RleInput(std::span<const std::uint8_t> data) : data_(data) {}

  unsigned Next() {
    if (pos_ >= data_.size()) ThrowTruncated();
    return data_[pos_++];
  }

  // The next `count` bytes, followed by padding to a 16-bit boundary.
  std::span<const std::uint8_t> TakePadded(std::size_t count) {
    if (data_.size() - pos_ < count) ThrowTruncated();
    const auto bytes = data_.subspan(pos_, count);
    // Missing padding at the very end is harmless: the next read reports the truncation.
    pos_ = std::min(data_.size(), pos_ + count + count % 2);
    return bytes;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

// The cursor over the picture, from the bottom row up. A stream that paints or moves outside
// the picture is corrupt rather than something to clip.
class RleOutput {
 public:
  explicit RleOutput(Bitmap& bmp) : bmp_(bmp) {}

  // Once the top row is full nothing more can be painted, so the end marker may be missing.
  bool Done() const {
    return y_ >= bmp_.Height() || (y_ == bmp_.Height() - 1 && x_ == bmp_.Width());
  }

  // The next `count` pixels of the current row.
  std::uint8_t* Take(unsigned count) {
    if (count > static_cast<unsigned>(bmp_.Width() - x_)) {
      ThrowInvalid("RLE data runs past the end of a row");
    }
    std::uint8_t* pixels = bmp_.ScanLine(bmp_.Height() - 1 - y_) + x_ * 3;
    x_ += static_cast<int>(count);
    return pixels;
  }

  void NextLine() {
    x_ = 0;
    ++y_;
  }

  void Move(int dx, int dy) {
    x_ += dx;
    y_ += dy;
    if (x_ > bmp_.Width() || y_ >= bmp_.Height()) ThrowInvalid("RLE delta leaves the picture");
  }

 private:
  Bitmap& bmp_;
  int x_ = 0;
  int y_ = 0;
};

// Pixel i of a run or literal in RLE4: high nibble first.
unsigned Nibble(unsigned byte, unsigned i) {
  return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

}  // namespace

Bitmap DecodeRle(const BmpLayout& l) {
  const std::int64_t pixels = std::int64_t{l.width} * l.height;
  const auto bytes = static_cast<std::int64_t>(l.pixels.size());
  if (pixels > FreeRlePixels && pixels * 2 > bytes * 255) {
    ThrowInvalid("too little compressed data for the picture size");
  }

  Bitmap bmp(l.width, l.height);
  RleInput in(l.pixels);
  RleOutput out(bmp);
  const bool nibbles = l.encoding == Encoding::Rle4;
  const auto paint = [&](std::uint8_t* dst, unsigned index) { PutBgr(dst, l.palette[index]); };
  while (!out.Done()) {
    const unsigned count = in.Next();
    const unsigned value = in.Next();
    if (count > 0) {
      std::uint8_t* dst = out.Take(count);
      for (unsigned i = 0; i < count; ++i) paint(dst + i * 3, nibbles ? Nibble(value, i) : value);
    } else if (value == EndOfLine) {
      out.NextLine();
    } else if (value == EndOfBitmap) {
      break;
    } else if (value == Delta) {
      const auto dx = static_cast<int>(in.Next());
      out.Move(dx, static_cast<int>(in.Next()));
    } else {
      const auto literal = in.TakePadded(nibbles ? (value + 1) / 2 : value);
      std::uint8_t* dst = out.Take(value);
      for (unsigned i = 0; i < value; ++i) {
        paint(dst + i * 3, nibbles ? Nibble(literal[i / 2], i) : literal[i]);
      }
    }
  }
  return bmp;
}

}  // namespace platform::bmp
