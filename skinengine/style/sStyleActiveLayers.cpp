#include <filesystem>
#include <memory>
#include <string>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/style/sStyleActive.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStyleActive {

framework::TPersistent* TsBGAddon::GetOwner() const {
  return background_;
}

void TsBGAddon::Changed() {
  background_->LayerChanged();
}

TsBGImage::TsBGImage(TsHotBackground* background)
    : TsBGAddon(background), image_(std::make_unique<framework::TPicture>()) {
  // Pictures read from a description change without passing the setter.
  image_->OnChange = [this](framework::TObject*) { Changed(); };
}

TsBGImage::~TsBGImage() = default;

const framework::TClassInfo& TsBGImage::StaticClassInfo() {
  using I = TsBGImage;
  static const framework::TClassInfo info =
      framework::TClassBuilder<I, framework::TPersistent>("TsBGImage")
          .Object("Image", &I::Image)
          .String("ImageName", &I::ImageName, &I::SetImageName)
          .Int("Percent", &I::Percent, &I::SetPercent, I::DefaultPercent)
          .Build();
  return info;
}

void TsBGImage::SetImageName(const std::string& value) {
  std::error_code error;
  if (value.empty() || !std::filesystem::is_regular_file(value, error)) return;
  image_->LoadFromFile(value);
  imageName_ = value;
}

void TsBGImage::SetPercent(TPercent value) {
  value = ClampPercent(value);
  if (percent_ == value) return;
  percent_ = value;
  TsBGGradient& gradient = *Background()->Gradient();
  if (percent_ + gradient.Percent() > 100) gradient.SetPercent(static_cast<TPercent>(100 - value));
  Changed();
}

const framework::TClassInfo& TsBGGradient::StaticClassInfo() {
  using G = TsBGGradient;
  static const framework::TClassInfo info =
      framework::TClassBuilder<G, framework::TPersistent>("TsBGGradient")
          .String("Data", &G::Data, &G::SetData)
          .Int("Percent", &G::Percent, &G::SetPercent, G::DefaultPercent)
          .Build();
  return info;
}

void TsBGGradient::SetData(const std::string& value) {
  const sGradient::TsGradientData data(value);
  if (data == data_) return;
  sGradient::GradientArray parsed;
  sGradient::ParseGradientData(data, parsed);
  data_ = data;
  array_ = std::move(parsed);
  Changed();
}

void TsBGGradient::SetPercent(TPercent value) {
  value = ClampPercent(value);
  if (percent_ == value) return;
  percent_ = value;
  TsBGImage& image = *Background()->Image();
  if (percent_ + image.Percent() > 100) image.SetPercent(static_cast<TPercent>(100 - value));
  Changed();
}

TsHotBackground::TsHotBackground(framework::TPersistent* owner)
    : owner_(owner),
      image_(std::make_unique<TsBGImage>(this)),
      gradient_(std::make_unique<TsBGGradient>(this)) {}

TsHotBackground::~TsHotBackground() = default;

const framework::TClassInfo& TsHotBackground::StaticClassInfo() {
  using B = TsHotBackground;
  static const framework::TClassInfo info =
      framework::TClassBuilder<B, framework::TPersistent>("TsHotBackground")
          .Object("Image", &B::Image)
          .Object("Gradient", &B::Gradient)
          .Build();
  return info;
}

void TsHotBackground::LayerChanged() {
  if (OnChange) OnChange(this);
}

const framework::TClassInfo& TsBackground::StaticClassInfo() {
  using B = TsBackground;
  static const framework::TClassInfo info =
      framework::TClassBuilder<B, TsHotBackground>("TsBackground")
          .Bool("ListenMSG", &B::ListenMSG, &B::SetListenMSG, B::DefaultListenMSG)
          .Build();
  return info;
}

}  // namespace sStyleActive
