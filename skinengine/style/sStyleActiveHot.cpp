#include <algorithm>
#include <memory>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sBevelTypes.h"
#include "skinengine/style/sStyleActive.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStyleActive {

TPercent ClampPercent(TPercent value) {
  return std::min<TPercent>(value, 100);
}

const framework::TClassInfo& TsHotPainting::StaticClassInfo() {
  using P = TsHotPainting;
  static const framework::TClassInfo info =
      framework::TClassBuilder<P, framework::TPersistent>("TsHotPainting")
          .Color("Color", &P::Color, &P::SetColor, P::DefaultColor)
          .Color("FontColor", &P::FontColor, &P::SetFontColor, P::DefaultFontColor)
          .Set("FontStyle", framework::FontStyleType, &P::FontStyle, &P::SetFontStyle,
               P::DefaultFontStyle)
          .Int("Transparency", &P::Transparency, &P::SetTransparency, framework::NoDefault)
          .Enum("Bevel", sBevelTypes::ControlBevelType, &P::Bevel, &P::SetBevel, P::DefaultBevel)
          .Int("BevelWidth", &P::BevelWidth, &P::SetBevelWidth, P::DefaultBevelWidth)
          .Build();
  return info;
}

TsHotStyle::TsHotStyle(framework::TPersistent* owner)
    : owner_(owner),
      hotPainting_(std::make_unique<TsHotPainting>(this)),
      hotBackground_(std::make_unique<TsHotBackground>(this)) {}

TsHotStyle::~TsHotStyle() = default;

const framework::TClassInfo& TsHotStyle::StaticClassInfo() {
  using H = TsHotStyle;
  static const framework::TClassInfo info =
      framework::TClassBuilder<H, framework::TPersistent>("TsHotStyle")
          .Object("HotBackground", &H::HotBackground)
          .Object("HotPainting", &H::HotPainting)
          .Build();
  return info;
}

const framework::TClassInfo& TsFading::StaticClassInfo() {
  using F = TsFading;
  static const framework::TClassInfo info =
      framework::TClassBuilder<F, framework::TPersistent>("TsFading")
          .Bool("Enabled", &F::Enabled, &F::SetEnabled, F::DefaultEnabled)
          .Int("Iterations", &F::Iterations, &F::SetIterations, F::DefaultIterations)
          .Int("IntervalIn", &F::IntervalIn, &F::SetIntervalIn, F::DefaultIntervalIn)
          .Int("IntervalOut", &F::IntervalOut, &F::SetIntervalOut, F::DefaultIntervalOut)
          .Build();
  return info;
}

TsActiveEffects::TsActiveEffects(framework::TPersistent* owner)
    : owner_(owner),
      fading_(std::make_unique<TsFading>(this)),
      maskedBorders_(std::make_unique<TsMaskedBorders>(this)) {}

TsActiveEffects::~TsActiveEffects() = default;

const framework::TClassInfo& TsActiveEffects::StaticClassInfo() {
  using E = TsActiveEffects;
  static const framework::TClassInfo info =
      framework::TClassBuilder<E, framework::TPersistent>("TsActiveEffects")
          .Object("Fading", &E::Fading)
          .Object("MaskedBorders", &E::MaskedBorders)
          .Build();
  return info;
}

}  // namespace sStyleActive
