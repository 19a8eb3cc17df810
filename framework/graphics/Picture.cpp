#include "framework/graphics/Picture.h"

#include <algorithm>
#include <cctype>

#include "framework/classes/ClassBuilder.h"
#include "framework/graphics/JpegImage.h"

namespace framework {

namespace {

std::unique_ptr<TGraphic> NewGraphicLike(const TGraphic& graphic) {
  if (dynamic_cast<const TJPEGImage*>(&graphic)) return std::make_unique<TJPEGImage>();
  return std::make_unique<TBitmap>();
}

std::unique_ptr<TGraphic> NewGraphicForExtension(const std::string& fileName) {
  const auto dot = fileName.find_last_of("./");
  std::string ext = dot == std::string::npos || fileName[dot] != '.' ? "" : fileName.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == ".bmp") return std::make_unique<TBitmap>();
  if (ext == ".jpg" || ext == ".jpeg") return std::make_unique<TJPEGImage>();
  throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
}

std::unique_ptr<TGraphic> NewGraphicForData(const TBytes& data) {
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return std::make_unique<TBitmap>();
  if (data.size() >= 2 && data[0] == 0xFF && data[1] == 0xD8) return std::make_unique<TJPEGImage>();
  throw EInvalidGraphic("Unknown picture format");
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

const TClassInfo& TPicture::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TPicture, TPersistent>("TPicture")
                                     .Binary("Data", &TPicture::Data, &TPicture::SetData)
                                     .Build();
  return info;
}

void TPicture::Assign(const TPersistent* source) {
  if (!source) {
    SetGraphic(nullptr);
  } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    if (picture != this) SetGraphic(picture->Graphic());
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (!graphic) {
    Take(nullptr);
    return;
  }
  auto copy = NewGraphicLike(*graphic);
  copy->Assign(graphic);
  Take(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
  auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
  if (!bitmap) {
    Take(std::make_unique<TBitmap>());
    bitmap = static_cast<TBitmap*>(graphic_.get());
  }
  return bitmap;
}

void TPicture::LoadFromFile(const std::string& fileName) {
  auto graphic = NewGraphicForExtension(fileName);
  graphic->LoadFromFile(fileName);
  Take(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) const {
  if (graphic_) graphic_->SaveToFile(fileName);
}

TBytes TPicture::Data() const {
  return graphic_ ? graphic_->SaveToData() : TBytes{};
}

void TPicture::SetData(const TBytes& data) {
  if (data.empty()) {
    Take(nullptr);
    return;
  }
  auto graphic = NewGraphicForData(data);
  graphic->LoadFromData(data);
  Take(std::move(graphic));
}

void TPicture::Take(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace framework
