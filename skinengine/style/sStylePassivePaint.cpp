#include "framework/controls/WinControl.h"
#include "platform/graphics/Canvas.h"
#include "skinengine/style/sStyleCompose.h"
#include "skinengine/style/sStylePassive.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStylePassive {

// The form's own properties only: its skin section is painted by the frame painter.
void TsPassivePaintStyle::PaintBackground(platform::Bitmap& target,
                                          const platform::TRect& rect) const {
  const sStyleUtil::TsLook look = sStyleUtil::OwnLook(
      *background_, painting_->Color(), painting_->Bevel(), 0, painting_->Transparency());
  platform::Bitmap scratch;
  sStyleUtil::ComposeLook(target, scratch, look, rect, sStyleUtil::TsComposeRule::Normal);
  const auto* form = dynamic_cast<const framework::TWinControl*>(form_);
  if (form && sStyleSimply::IsContainerKind(controlKind_)) {
    platform::Canvas canvas(target);
    sStyleSimply::PaintChildShadows(*form, canvas, {});
  }
}

}  // namespace sStylePassive
