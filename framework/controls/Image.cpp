#include "framework/controls/Image.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"

namespace framework {

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
  picture_->OnChange = nullptr;
}

const TClassInfo& TImage::StaticClassInfo() {
  using I = TImage;
  static const TClassInfo info =
      TClassBuilder<I, TGraphicControl>("TImage")
          .Bool("Center", &I::Center, &I::SetCenter, false)
          .Object("Picture", &I::Picture)
          .Bool("Stretch", &I::Stretch, &I::SetStretch, false)
          .Bool("Transparent", &I::Transparent, &I::SetTransparent, false)
          .Build();
  return info;
}

TCanvas* TImage::Canvas() {
  if (!picture_->Graphic()) {
    TBitmap* bitmap = picture_->Bitmap();
    bitmap->SetSize(Width(), Height());
  }
  // Only a bitmap can be drawn into; another format is replaced by an empty one.
  return picture_->Bitmap()->Canvas();
}

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void TImage::SetCenter(bool center) {
  if (center == center_) return;
  center_ = center;
  Invalidate();
}

void TImage::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  PictureChanged();
}

void TImage::PictureChanged() {
  TGraphic* graphic = picture_->Graphic();
  // Setting the flag changes the picture again, which then finds it equal.
  if (graphic && graphic->Transparent() != transparent_) {
    graphic->SetTransparent(transparent_);
    return;
  }
  Invalidate();
}

TRect TImage::DestRect() const {
  const TRect client = ClientRect();
  if (stretch_) return client;
  const int w = picture_->Width();
  const int h = picture_->Height();
  if (!center_) return {0, 0, w, h};
  const int x = (client.Width() - w) / 2;
  const int y = (client.Height() - h) / 2;
  return {x, y, x + w, y + h};
}

void TImage::Paint() {
  const TGraphic* graphic = picture_->Graphic();
  if (!graphic || graphic->Empty()) return;
  TCanvas* canvas = TGraphicControl::Canvas();
  if (stretch_) {
    canvas->StretchDraw(DestRect(), graphic);
  } else {
    const TRect r = DestRect();
    canvas->Draw(r.Left, r.Top, graphic);
  }
}

}  // namespace framework
