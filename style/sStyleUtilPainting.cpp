#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "skin/sBevelTypes.h"
#include "style/sStyleUtil.h"

namespace sStyleUtil {

const framework::TClassInfo& TsPainting::StaticClassInfo() {
  using P = TsPainting;
  static const framework::TClassInfo info =
      framework::TClassBuilder<P, framework::TPersistent>("TsPainting")
          .Enum("Bevel", sBevelTypes::ControlBevelType, &P::Bevel, &P::SetBevel, P::DefaultBevel)
          .Int("Transparency", &P::Transparency, &P::SetTransparency, P::DefaultTransparency)
          .Color("Color", &P::Color, &P::SetColor, P::DefaultColor)
          .Bool("ParentColor", &P::ParentColor, &P::SetParentColor, P::DefaultParentColor)
          .Build();
  return info;
}

framework::TPersistent* TsPainting::GetOwner() const {
  return style_;
}

void TsPainting::SetBevel(sBevels::TsControlBevel value) {
  if (bevel_ == value) return;
  bevel_ = value;
  style_->Invalidate();
}

void TsPainting::SetTransparency(int value) {
  value = std::clamp(value, 0, 100);
  if (transparency_ == value) return;
  transparency_ = value;
  style_->RepaintParent();
  style_->Invalidate();
}

void TsPainting::SetColor(platform::TColor value) {
  if (color_ == value) return;
  color_ = value;
  parentColor_ = false;
  if (sStyleSimply::TsStyleOwner* owner = style_->OwnerControl()) owner->SetOwnerColor(value);
  style_->Invalidate();
}

void TsPainting::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  sStyleSimply::TsStyleOwner* owner = style_->OwnerControl();
  if (!owner) return;
  owner->SetOwnerParentColor(value);
  platform::TColor parentColor = 0;
  if (!value || !owner->ParentColorOf(parentColor) || parentColor == color_) return;
  color_ = parentColor;
  style_->Invalidate();
}

}  // namespace sStyleUtil
