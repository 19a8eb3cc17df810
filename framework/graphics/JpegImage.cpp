#include "framework/graphics/JpegImage.h"

#include "framework/classes/ClassBuilder.h"
#include "platform/Error.h"
#include "platform/graphics/Jpeg.h"

namespace framework {

const TClassInfo& TJPEGImage::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TJPEGImage, TGraphic>("TJPEGImage").Build();
  return info;
}

void TJPEGImage::Assign(const TPersistent* source) {
  if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
    if (jpeg == this) return;
    data_ = jpeg->data_;
    size_ = jpeg->size_;
    grayscale_ = jpeg->grayscale_;
    decoded_ = jpeg->decoded_;
    SetTransparent(jpeg->Transparent());
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TJPEGImage::SetGrayscale(bool grayscale) {
  if (grayscale == grayscale_) return;
  grayscale_ = grayscale;
  decoded_.reset();
  Changed();
}

void TJPEGImage::LoadFromData(std::span<const std::uint8_t> data) {
  try {
    size_ = platform::JpegSize(data);
  } catch (const platform::Error& e) {
    throw EInvalidGraphic(e.what());
  }
  data_.assign(data.begin(), data.end());
  decoded_.reset();
  Changed();
}

const platform::Bitmap& TJPEGImage::Picture() const {
  if (!decoded_) {
    try {
      decoded_ = platform::DecodeJpeg(data_, grayscale_);
    } catch (const platform::Error& e) {
      throw EInvalidGraphic(e.what());
    }
  }
  return *decoded_;
}

void TJPEGImage::Draw(platform::Canvas& canvas, const platform::TRect& r) const {
  if (!Empty()) canvas.StretchDraw(r, Picture());
}

}  // namespace framework
