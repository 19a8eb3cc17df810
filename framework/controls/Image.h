#pragma once

#include <memory>

#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Picture.h"

namespace framework {

// Shows a picture: at its own size in the top-left corner, centred, or stretched to the
// control. Drawing on Canvas draws into the picture, which becomes a bitmap of the
// control's size if it holds nothing yet.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TPicture* Picture() const { return picture_.get(); }
  // The picture's canvas (this hides the control's own, which only painting uses).
  TCanvas* Canvas();
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 protected:
  void Paint() override;

 private:
  TRect DestRect() const;
  void PictureChanged();

  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

}  // namespace framework
