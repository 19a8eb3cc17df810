#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Graphic.h"
#include "platform/graphics/Bitmap.h"

namespace framework {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
extern const TEnumType PixelFormatType;

// A 24-bit picture with a canvas to draw on. Descriptions carry it as "Data", a BMP file.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Copies a bitmap with its transparency, or draws any other picture into a bitmap of its
  // size; null empties this bitmap.
  void Assign(const TPersistent* source) override;

  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  bool Empty() const override { return bitmap_.Empty(); }
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  // Keeps the top-left part; a negative or huge size raises EInvalidGraphic.
  void SetSize(int width, int height);

  // The pixels are always 24-bit; asking for another depth raises EInvalidGraphic.
  TPixelFormat PixelFormat() const { return pf24bit; }
  void SetPixelFormat(TPixelFormat format);
  // Row y as Width() * 3 bytes of blue, green, red; outside the rows raises EInvalidGraphic.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;

  TCanvas* Canvas();
  platform::Bitmap& Data() { return bitmap_; }
  const platform::Bitmap& Data() const { return bitmap_; }

  // Transparent drawing leaves out the pixels of TransparentColor, which is the bottom-left
  // pixel unless set.
  platform::TColor TransparentColor() const;
  void SetTransparentColor(platform::TColor color);

  void Draw(platform::Canvas& canvas, const platform::TRect& r) const override;
  void LoadFromData(std::span<const std::uint8_t> data) override;
  TBytes SaveToData() const override;
  // The stream form: a 32-bit byte count and a BMP file of that many bytes.
  void LoadFromStream(std::span<const std::uint8_t> data, std::size_t& consumed);
  TBytes SaveToStream() const;

 private:
  class TBitmapCanvas;

  void SetData(const TBytes& data);
  void Replace(platform::Bitmap bitmap);
  void CheckRow(int y) const;
  void DrawTransparent(platform::Canvas& canvas, const platform::TRect& r) const;

  platform::Bitmap bitmap_;
  std::optional<platform::TColor> transparentColor_;
  std::unique_ptr<TBitmapCanvas> canvas_;
};

}  // namespace framework
