#include "framework/classes/ClassBuilder.h"
#include "skin/sBevelTypes.h"
#include "style/sStylePassive.h"
#include "style/sStyleSimply.h"

namespace sStylePassive {

const framework::TClassInfo& TsPassivePainting::StaticClassInfo() {
  using P = TsPassivePainting;
  static const framework::TClassInfo info =
      framework::TClassBuilder<P, framework::TPersistent>("TsPassivePainting")
          .Enum("Bevel", sBevelTypes::ControlBevelType, &P::Bevel, &P::SetBevel,
                sBevels::cbRaisedSoft)
          .Int("Transparency", &P::Transparency, &P::SetTransparency, 50)
          .Color("ColorBorderTop", &P::ColorBorderTop, &P::SetColorBorderTop,
                 platform::TColor{0xFFFFFF})
          .Color("ColorBorderBottom", &P::ColorBorderBottom, &P::SetColorBorderBottom,
                 platform::TColor{0})
          .Color("Color", &P::Color, &P::SetColor, platform::clMenu)
          .Build();
  return info;
}

const framework::TClassInfo& TsPassiveShadow::StaticClassInfo() {
  using S = TsPassiveShadow;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, framework::TPersistent>("TsPassiveShadow")
          .Int("Transparency", &S::Transparency, &S::SetTransparency, 50)
          .Bool("Enabled", &S::Enabled, &S::SetEnabled, true)
          .Color("Color", &S::Color, &S::SetColor, platform::TColor{0})
          .Int("Offset", &S::Offset, &S::SetOffset, 10)
          .Int("Blur", &S::Blur, &S::SetBlur, 6)
          .Build();
  return info;
}

}  // namespace sStylePassive
