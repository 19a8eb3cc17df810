#include <optional>

#include "framework/controls/WinControl.h"
#include "platform/graphics/Canvas.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/style/sStyleCompose.h"
#include "skinengine/style/sStyleUtil.h"

namespace sStyleUtil {

using platform::TRect;

void TsPassiveBGStyle::PaintBackground() {
  platform::Bitmap& cache = CacheBmp()->Data();
  PaintLook(NormalLook(), cache.BoundsRect(), TsComposeRule::Normal);
  const auto* container = dynamic_cast<const framework::TWinControl*>(OwnerControl());
  if (container && sStyleSimply::IsContainerKind(ControlKind())) {
    platform::Canvas canvas(cache);
    sStyleSimply::PaintChildShadows(*container, canvas, {});
  }
}

void TsPassiveBGStyle::PaintLook(const TsLook& look, const TRect& rect, TsComposeRule rule) {
  platform::Bitmap& cache = CacheBmp()->Data();
  platform::Bitmap scratch;
  const std::optional<sStyleSimply::TsParentBackground> parent = GetParentBackground();
  const TRect source = parent ? ParentSourceRect(*parent, OwnerControl()->BoundsRect()) : TRect{};
  ComposeOverParent(cache, scratch, look, rect, rule, parent, source);
}

void TsActiveBGStyle::PaintBackground() {
  if (!IsActive()) return TsPassiveBGStyle::PaintBackground();
  TRect rect = CacheBmp()->Data().BoundsRect();
  // The pressed look moves one pixel right and down; the parent's picture stays.
  if (const sStyleSimply::TsButtonOwner* button = ButtonOwner(); button && button->Pressed())
    rect = rect.Offset(1, 1);
  PaintLook(HotLook(), rect, TsComposeRule::Hot);
}

void TsActiveBGStyle::PaintBevelFrame(const TRect& rect) {
  platform::Bitmap& cache = CacheBmp()->Data();
  const sStyleSimply::TsButtonOwner* button = ButtonOwner();
  const bool down = button && button->Pressed();
  if (IsActive()) {
    const TsLook look = HotLook();
    // A drop-down button pressed on its arrow keeps the raised frame on the button part.
    if (down && (button->ButtonStyle() != sStyleSimply::tbsDropDown || rect.Left < 1)) {
      const int width = look.BevelWidth / 4 + 1;
      sGraphUtils::PaintBevel(cache, rect, width, SoftControl(), sBevels::cbLoweredSoft);
      if (!button->HasDropdownMenu())
        sGraphUtils::PaintBevel(cache, {rect.Right, rect.Top, cache.Width(), rect.Bottom}, width,
                                SoftControl(), sBevels::cbLoweredSoft);
      return;
    }
    sGraphUtils::PaintBevel(cache, rect, look.BevelWidth, SoftControl(), look.Bevel);
    return;
  }
  sBevels::TsControlBevel bevel = NormalLook().Bevel;
  if (down && bevel == sBevels::cbRaisedSoft) bevel = sBevels::cbLoweredSoft;
  if (down && bevel == sBevels::cbRaisedHard) bevel = sBevels::cbLoweredHard;
  sGraphUtils::PaintBevel(cache, rect, button ? button->BevelWidth() : 1, SoftControl(), bevel);
}

}  // namespace sStyleUtil
