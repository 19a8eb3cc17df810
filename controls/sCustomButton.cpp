#include "controls/sCustomButton.h"

#include "framework/classes/ClassBuilder.h"

namespace sCustomButton {

using namespace framework;
using sButtonControl::ButtonLayoutType;

const TClassInfo& TsSpeedButton::StaticClassInfo() {
  using B = TsSpeedButton;
  static const TClassInfo info =
      TClassBuilder<B, sButtonControl::TsButtonControl>("TsSpeedButton")
          .String("Caption", &B::Caption, &B::SetCaption)
          .Int("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1)
          .Bool("ShowCaption", &B::ShowCaption, &B::SetShowCaption, true)
          // The constructor's 3 differs from the declared default, so a new button stores it.
          .Int("Spacing", &B::Spacing, &B::SetSpacing, 4)
          .Int("ImageIndex", &B::ImageIndex, &B::SetImageIndex, 0)
          .Bool("Grayed", &B::Grayed, &B::SetGrayed, false)
          .Int("Blend", &B::Blend, &B::SetBlend, 0)
          .Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, false)
          .Int("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0)
          .Bool("Down", &B::Down, &B::SetDown, false)
          .Enum("Layout", ButtonLayoutType, &B::Layout, &B::SetLayout, NoDefault)
          .Build();
  return info;
}

}  // namespace sCustomButton
