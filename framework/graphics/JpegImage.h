#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "framework/graphics/Graphic.h"
#include "platform/graphics/Bitmap.h"

namespace framework {

// A JPEG picture: it keeps the file as loaded and decodes it when first drawn.
class TJPEGImage : public TGraphic {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent* source) override;

  int Width() const override { return size_.cx; }
  int Height() const override { return size_.cy; }
  bool Empty() const override { return data_.empty(); }
  // Decodes in shades of grey.
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool grayscale);

  void Draw(platform::Canvas& canvas, const platform::TRect& r) const override;
  // Reads the header at once, so a file that is no JPEG fails here rather than when drawn.
  void LoadFromData(std::span<const std::uint8_t> data) override;
  TBytes SaveToData() const override { return data_; }
  // The decoded picture.
  const platform::Bitmap& Picture() const;

 private:
  TBytes data_;
  platform::TSize size_;
  bool grayscale_ = false;
  mutable std::optional<platform::Bitmap> decoded_;
};

}  // namespace framework
