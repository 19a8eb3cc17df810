#include "skinengine/style/sStyleActive.h"

#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStyleActive {

namespace {
constexpr std::string_view PredefinedBordersNames[] = {
    "pdBorder1", "pdBorder2", "pdBorder3", "pdBorder4", "pdBorder5", "pdBorder6", "pdCustom"};
}  // namespace

const framework::TEnumType PredefinedBordersType{"TsPredefinedBorders", PredefinedBordersNames};

TsMaskedBorders::TsMaskedBorders(framework::TPersistent* owner)
    : owner_(owner), mask_(std::make_unique<framework::TBitmap>()) {
  mask_->OnChange = [this](framework::TObject*) { Changed(); };
}

TsMaskedBorders::~TsMaskedBorders() = default;

const framework::TClassInfo& TsMaskedBorders::StaticClassInfo() {
  using M = TsMaskedBorders;
  static const framework::TClassInfo info =
      framework::TClassBuilder<M, framework::TPersistent>("TsMaskedBorders")
          .Object("Mask", &M::Mask)
          .Enum("Predefined", PredefinedBordersType, &M::Predefined, &M::SetPredefined,
                M::DefaultPredefined)
          .Color("TransparentColor", &M::TransparentColor, &M::SetTransparentColor,
                 M::DefaultTransparentColor)
          .Bool("Enabled", &M::Enabled, &M::SetEnabled, M::DefaultEnabled)
          .Build();
  return info;
}

void TsMaskedBorders::SetMask(const framework::TBitmap* value) {
  // A TBitmap always holds 24 bits per pixel, which the mask painters read.
  mask_->Assign(value);
  SetPredefined(pdCustom);
}

void TsMaskedBorders::SetPredefined(TsPredefinedBorders value) {
  if (predefined_ == value) return;
  predefined_ = value;
  Changed();
}

void TsMaskedBorders::SetTransparentColor(platform::TColor value) {
  if (transparentColor_ == value) return;
  transparentColor_ = value;
  Changed();
}

void TsMaskedBorders::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Changed();
}

void TsMaskedBorders::Changed() {
  if (OnChange) OnChange(this);
}

const platform::Bitmap& BorderMaskOf(const TsMaskedBorders& borders) {
  if (borders.Predefined() != pdCustom) return sMaskData::BuiltInMask(borders.Predefined());
  const framework::TBitmap& own = *borders.Mask();
  return own.Width() > 0 ? own.Data() : sMaskData::BuiltInMask(pdBorder1);
}

}  // namespace sStyleActive
