#include <algorithm>
#include <memory>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sSkinManager.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStyleSimply {

TsShadow::TsShadow(TsGenStyle* style) : style_(style) {}

// A vanishing control takes its shadow from its parent's picture.
TsShadow::~TsShadow() {
  const framework::TControl* owner = style_->OwnerControl();
  const framework::TControl* parent = owner ? owner->Parent() : nullptr;
  if (enabled_ && parent && !parent->ComponentState().Contains(framework::csDestroying))
    SetEnabled(false);
}

const framework::TClassInfo& TsShadow::StaticClassInfo() {
  using S = TsShadow;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, framework::TPersistent>("TsShadow")
          .Int("Transparency", &S::Transparency, &S::SetTransparency, S::DefaultTransparency)
          .Bool("DontUse", &S::DontUse, &S::SetDontUse, S::DefaultDontUse)
          .Bool("Enabled", &S::Enabled, &S::SetEnabled, S::DefaultEnabled)
          .Color("Color", &S::Color, &S::SetColor, S::DefaultColor)
          .Int("Offset", &S::Offset, &S::SetOffset, S::DefaultOffset)
          .Int("Blur", &S::Blur, &S::SetBlur, S::DefaultBlur)
          .Build();
  return info;
}

framework::TPersistent* TsShadow::GetOwner() const {
  return style_->Effects();
}

void TsShadow::SetTransparency(int value) {
  value = std::clamp(value, 0, 100);
  if (transparency_ == value) return;
  transparency_ = value;
  if (enabled_) style_->RepaintParent();
}

void TsShadow::SetDontUse(bool value) {
  dontUse_ = value;
  if (enabled_ && value) SetEnabled(false);
}

void TsShadow::SetEnabled(bool value) {
  // Only a parent that paints itself from a style can carry the shadow.
  const framework::TControl* owner = style_->OwnerControl();
  if (!owner || !sSkinManager::SkinStyleOf(owner->Parent()) ||
      IsNoShadowKind(style_->ControlKind()))
    return;
  if (value) dontUse_ = false;
  enabled_ = value;
  style_->RepaintParent();
}

void TsShadow::SetColor(platform::TColor value) {
  if (color_ == value) return;
  color_ = value;
  style_->RepaintParent();
}

void TsShadow::SetOffset(int value) {
  if (offset_ == value) return;
  offset_ = value;
  style_->RepaintParent();
}

void TsShadow::SetBlur(int value) {
  if (blur_ == value) return;
  blur_ = value;
  style_->RepaintParent();
}

TsEffects::TsEffects(TsGenStyle* style)
    : style_(style), shadow_(std::make_unique<TsShadow>(style)) {}

TsEffects::~TsEffects() = default;

const framework::TClassInfo& TsEffects::StaticClassInfo() {
  static const framework::TClassInfo info =
      framework::TClassBuilder<TsEffects, framework::TPersistent>("TsEffects")
          .Object("Shadow", &TsEffects::Shadow)
          .Build();
  return info;
}

framework::TPersistent* TsEffects::GetOwner() const {
  return style_;
}

}  // namespace sStyleSimply
