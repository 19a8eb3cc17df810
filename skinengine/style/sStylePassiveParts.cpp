#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sBevelTypes.h"
#include "skinengine/style/sStylePassive.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStylePassive {

const framework::TClassInfo& TsPassivePainting::StaticClassInfo() {
  using P = TsPassivePainting;
  static const framework::TClassInfo info =
      framework::TClassBuilder<P, framework::TPersistent>("TsPassivePainting")
          .Enum("Bevel", sBevelTypes::ControlBevelType, &P::Bevel, &P::SetBevel, P::DefaultBevel)
          .Int("Transparency", &P::Transparency, &P::SetTransparency, P::DefaultTransparency)
          .Color("ColorBorderTop", &P::ColorBorderTop, &P::SetColorBorderTop,
                 P::DefaultColorBorderTop)
          .Color("ColorBorderBottom", &P::ColorBorderBottom, &P::SetColorBorderBottom,
                 P::DefaultColorBorderBottom)
          .Color("Color", &P::Color, &P::SetColor, P::DefaultColor)
          .Build();
  return info;
}

const framework::TClassInfo& TsPassiveShadow::StaticClassInfo() {
  using S = TsPassiveShadow;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, framework::TPersistent>("TsPassiveShadow")
          .Int("Transparency", &S::Transparency, &S::SetTransparency, S::DefaultTransparency)
          .Bool("Enabled", &S::Enabled, &S::SetEnabled, S::DefaultEnabled)
          .Color("Color", &S::Color, &S::SetColor, S::DefaultColor)
          .Int("Offset", &S::Offset, &S::SetOffset, S::DefaultOffset)
          .Int("Blur", &S::Blur, &S::SetBlur, S::DefaultBlur)
          .Build();
  return info;
}

}  // namespace sStylePassive
