#include <cmath>
#include <cstdint>

#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sSkinManager.h"
#include "skinengine/style/sStyleEdits.h"
#include "skinengine/style/sStyleSimply.h"
#include "skinengine/style/sStyleUtil.h"

namespace sStyleSimply {

int MixPercent(int a, int b) {
  return static_cast<int>(std::nearbyint((100.0 - b) * a / 100.0 + b));
}

std::optional<TsShadowValues> TsGenStyle::ShadowValues() const {
  if (const sSkinManager::SkinSectionData* section = Section()) {
    if (!section->ShadowEnabled) return std::nullopt;
    return TsShadowValues{section->ShadowOffset, section->ShadowColor, section->ShadowBlur,
                          section->ShadowTransparency};
  }
  const TsShadow& own = *effects_->Shadow();
  return TsShadowValues{own.Offset(), own.Color(), own.Blur(), own.Transparency()};
}

void TsGenStyle::CastShadow(platform::Canvas& canvas, const platform::TRect& shape,
                            const TsShadowValues& values, int share, int radius, int dx, int dy) {
  const platform::TRect r =
      OffsetBounds(shape, std::int64_t{values.Offset} + dx, std::int64_t{values.Offset} + dy);
  sGraphUtils::BlendColor(canvas, r, canvas, radius, sGraphUtils::BlendShape::RoundRect,
                          values.Blur, values.Color, share, r.TopLeft());
}

void PaintChildShadows(const framework::TWinControl& parent, platform::Canvas& canvas,
                       platform::TPoint offset) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    framework::TControl* child = parent.Controls(i);
    if (child->ComponentState().Contains(framework::csDestroying)) return;
    auto* style = dynamic_cast<TsGenStyle*>(sSkinManager::SkinStyleOf(child));
    if (!style || !child->Visible()) continue;
    if (style->SectionShadow() ||
        (style->ControlKind() > 0 && style->Effects()->Shadow()->Enabled()))
      style->PaintShadow(canvas, offset.X, offset.Y);
  }
}

}  // namespace sStyleSimply

namespace sStyleUtil {

// A control that lets its parent show through casts a lighter shadow.
void TsPaintStyle::PaintShadow(platform::Canvas& canvas, int dx, int dy) {
  const std::optional<sStyleSimply::TsShadowValues> values = ShadowValues();
  if (!values || !OwnerControl()) return;
  const int transparency = PaintingTransparency();
  if (transparency > 100) return;
  const int seen =
      sStyleSimply::IsTransparentShadowKind(ControlKind()) && transparency > 0 ? transparency : 0;
  CastShadow(canvas, OwnerControl()->BoundsRect(), *values,
             sStyleSimply::MixPercent(seen, values->Transparency), SoftControl() ? 6 : 0, dx, dy);
}

}  // namespace sStyleUtil

namespace sStyleEdits {

// A check control's shadow falls from its glyph only.
void TsEditorStyle::PaintShadow(platform::Canvas& canvas, int dx, int dy) {
  const std::optional<sStyleSimply::TsShadowValues> values = ShadowValues();
  const framework::TControl* control = OwnerControl();
  if (!values || !control) return;
  platform::TRect shape = control->BoundsRect();
  const sStyleSimply::TsCheckOwner* check = CheckOwner();
  if (check && sStyleSimply::IsCheckKind(ControlKind()))
    shape = check->CheckGlyphRect().Offset(control->Left(), control->Top());
  CastShadow(canvas, shape, *values, values->Transparency, SoftControl() ? 3 : 0, dx, dy);
}

}  // namespace sStyleEdits
