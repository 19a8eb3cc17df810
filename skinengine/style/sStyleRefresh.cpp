#include "framework/controls/WinControl.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinManager.h"
#include "skinengine/style/sStyleOwners.h"
#include "skinengine/style/sStyleSimply.h"
#include "skinengine/style/sStyleUtil.h"

namespace sStyleUtil {

using framework::TControl;

namespace {

void MarkStale(TControl& child) {
  child.Perform(sMessages::SM_REBUILDCACHE, 0, sMessages::RebuildParam);
}

void RefreshStyled(TControl& child, const sStyleSimply::TsGenStyle& style, bool rebuilt) {
  const int kind = style.ControlKind();
  if (sStyleSimply::IsCheckKind(kind)) {
    if (!rebuilt) return;
    MarkStale(child);
    if (auto* check = dynamic_cast<sStyleSimply::TsCheckOwner*>(&child))
      check->RepaintAll();
    else
      child.Repaint();
  } else if (sStyleSimply::IsContainerKind(kind)) {
    // An opaque container does not show the picture below it.
    const auto* paint = dynamic_cast<const TsPaintStyle*>(&style);
    if (!rebuilt || !paint || paint->PaintingTransparency() <= 0) return;
    MarkStale(child);
    child.Repaint();
  } else if ((kind >= 91 && kind <= 95) || kind == 141) {
    if (rebuilt) MarkStale(child);
    child.Repaint();
  } else if (kind == 161 || kind == 165) {
    if (!rebuilt) return;
    MarkStale(child);
    child.Invalidate();
  }
}

}  // namespace

void RefreshSkinnedChildren(framework::TWinControl& parent, bool rebuilt) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* child = parent.Controls(i);
    const framework::TComponentState state = child->ComponentState();
    if (state.Contains(framework::csDestroying) || state.Contains(framework::csLoading)) continue;
    if (dynamic_cast<const sStyleSimply::TsSkinnedLabel*>(child)) {
      child->Repaint();
    } else if (const auto* style = dynamic_cast<const sStyleSimply::TsGenStyle*>(
                   sSkinManager::SkinStyleOf(child))) {
      RefreshStyled(*child, *style, rebuilt);
    }
  }
}

}  // namespace sStyleUtil
