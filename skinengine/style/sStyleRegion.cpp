#include <optional>

#include "framework/controls/WinControl.h"
#include "platform/graphics/Region.h"
#include "platform/window/Windows.h"
#include "skinengine/style/sStyleEdits.h"
#include "skinengine/style/sStyleSimply.h"
#include "skinengine/style/sStyleUtil.h"

namespace sStyleSimply {

void TsGenStyle::UpdateRegion() {
  if (!regionStale_) return;
  regionStale_ = false;
  SetCornerRegion();
}

void TsGenStyle::SetCornerRegion() {
  cacheStale_ = true;
  auto* window = dynamic_cast<framework::TWinControl*>(ownerControl_);
  if (!window || !window->HandleAllocated()) return;
  std::optional<platform::Region> region;
  if (softControl_ && IsSoftRegionKind(controlKind_)) {
    const int w = window->Width();
    const int h = window->Height();
    const platform::TRect corners[] = {{1, 0, w - 1, h}, {0, 1, w, h - 1}};
    region = platform::Region::FromRects(corners);
  }
  platform::SetWindowRgn(window->Handle(), std::move(region), true);
}

}  // namespace sStyleSimply

namespace sStyleUtil {

// Masks cut the region while painting; without them the corners are cut every time.
void TsActiveBGStyle::UpdateRegion() {
  if (Section() || BtnEffects()->MaskedBorders()->Enabled()) return TsGenStyle::UpdateRegion();
  SetCornerRegion();
  SetRegionStale(false);
}

}  // namespace sStyleUtil

namespace sStyleEdits {

// A section's border mask shapes the editor; kinds 7 and 8 keep their window as it is.
void TsEditorStyle::UpdateRegion() {
  if (ControlKind() == 7 || ControlKind() == 8 || (Section() && MaskIndex() >= 0)) return;
  SetCornerRegion();
}

}  // namespace sStyleEdits
