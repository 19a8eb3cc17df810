#include <exception>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sBevelTypes.h"
#include "skinengine/style/sStyleEdits.h"

namespace sStyleEdits {

const framework::TClassInfo& TsPainting::StaticClassInfo() {
  using P = TsPainting;
  static const framework::TClassInfo info =
      framework::TClassBuilder<P, framework::TPersistent>("TsPainting")
          .Enum("Bevel", sBevelTypes::EditorBevelType, &P::Bevel, &P::SetBevel, P::DefaultBevel)
          .Color("ColorBorderTop", &P::ColorBorderTop, &P::SetColorBorderTop,
                 P::DefaultColorBorderTop)
          .Color("ColorBorderBottom", &P::ColorBorderBottom, &P::SetColorBorderBottom,
                 P::DefaultColorBorderBottom)
          .Color("Color", &P::Color, &P::SetColor, P::DefaultColor)
          .Bool("ParentColor", &P::ParentColor, &P::SetParentColor, P::DefaultParentColor)
          .Build();
  return info;
}

framework::TPersistent* TsPainting::GetOwner() const {
  return style_;
}

void TsPainting::SetBevel(sBevels::TsEditorBevel value) {
  if (bevel_ == value) return;
  bevel_ = value;
  InvalidateControl();
}

void TsPainting::SetColorBorderTop(platform::TColor value) {
  colorBorderTop_ = value;
  InvalidateControl();
}

void TsPainting::SetColorBorderBottom(platform::TColor value) {
  colorBorderBottom_ = value;
  InvalidateControl();
}

void TsPainting::SetColor(platform::TColor value) {
  color_ = value;
  parentColor_ = false;
  InvalidateControl();
}

void TsPainting::SetParentColor(bool value) {
  framework::TControl* owner = style_->OwnerControl();
  // A check control always shows its parent's colour.
  if (sStyleSimply::IsCheckKind(style_->ControlKind())) {
    parentColor_ = true;
    if (owner) color_ = owner->Color();
    return;
  }
  parentColor_ = value;
  if (!owner) return;
  owner->SetParentColor(value);
  if (!value) return;
  color_ = owner->Color();
  InvalidateControl();
}

void TsPainting::InvalidateControl() {
  // A control that cannot repaint yet (still being created) simply paints later.
  try {
    style_->Invalidate();
  } catch (const std::exception&) {
  }
}

}  // namespace sStyleEdits
