#include "controls/sCustomButton.h"

#include "framework/classes/ClassBuilder.h"

namespace sCustomButton {

using namespace framework;
using sButtonControl::ButtonLayoutType;

// Binding needs the class name, which only the last constructor knows.
TsSpeedButton::TsSpeedButton(TComponent* owner) : TsButtonControl(owner) {
  sStyle()->SetControlKind(sStyleSimply::KindSpeedButton);
  sStyle()->BindSkin();
}

const TClassInfo& TsSpeedButton::StaticClassInfo() {
  using B = TsSpeedButton;
  static const TClassInfo info =
      TClassBuilder<B, sButtonControl::TsButtonControl>("TsSpeedButton")
          .String("Caption", &B::Caption, &B::SetCaption)
          .Int("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, B::DefaultNumGlyphs)
          .Bool("ShowCaption", &B::ShowCaption, &B::SetShowCaption, B::DefaultShowCaption)
          .Int("Spacing", &B::Spacing, &B::SetSpacing, B::DefaultSpacing)
          .Int("ImageIndex", &B::ImageIndex, &B::SetImageIndex, B::DefaultImageIndex)
          .Bool("Grayed", &B::Grayed, &B::SetGrayed, B::DefaultGrayed)
          .Int("Blend", &B::Blend, &B::SetBlend, B::DefaultBlend)
          .Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, B::DefaultAllowAllUp)
          .Int("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, B::DefaultGroupIndex)
          .Bool("Down", &B::Down, &B::SetDown, B::DefaultDown)
          .Enum("Layout", ButtonLayoutType, &B::Layout, &B::SetLayout, NoDefault)
          .Build();
  return info;
}

}  // namespace sCustomButton
