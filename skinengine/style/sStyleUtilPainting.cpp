#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sBevelTypes.h"
#include "skinengine/style/sStyleUtil.h"

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
  if (framework::TControl* owner = style_->OwnerControl()) owner->SetColor(value);
  style_->Invalidate();
}

void TsPainting::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  framework::TControl* owner = style_->OwnerControl();
  if (!owner) return;
  owner->SetParentColor(value);
  const framework::TWinControl* parent = owner->Parent();
  if (!value || !parent || parent->Color() == color_) return;
  color_ = parent->Color();
  style_->Invalidate();
}

}  // namespace sStyleUtil
