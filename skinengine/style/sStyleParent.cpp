#include <algorithm>
#include <cstdint>

#include "framework/forms/Form.h"
#include "skinengine/skin/sFramePicture.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinManager.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStyleSimply {

namespace {
// Far beyond any bitmap, yet far from overflowing when a width is added.
constexpr std::int64_t Far = std::int64_t{1} << 30;

int Saturated(std::int64_t v) {
  return static_cast<int>(std::clamp(v, -Far, Far));
}
}  // namespace

platform::TRect OffsetBounds(const platform::TRect& r, std::int64_t dx, std::int64_t dy) {
  const std::int64_t left = r.Left + dx;
  const std::int64_t top = r.Top + dy;
  return {Saturated(left), Saturated(top), Saturated(left + (std::int64_t{r.Right} - r.Left)),
          Saturated(top + (std::int64_t{r.Bottom} - r.Top))};
}

std::optional<TsParentBackground> ParentBackgroundOf(const framework::TControl& control) {
  framework::TWinControl* parent = control.Parent();
  if (!parent) return std::nullopt;
  if (dynamic_cast<framework::TCustomForm*>(parent)) {
    if (parent->Perform(sMessages::SM_GETFRAMEPICTURE) <= 0) return std::nullopt;
    const sSkinManager::TsFramePicture& frame = sSkinManager::FramePicture();
    if (!frame.Picture) return std::nullopt;
    return TsParentBackground{frame.Picture, frame.ClientOffset};
  }
  const auto* style = dynamic_cast<const TsGenStyle*>(sSkinManager::SkinStyleOf(parent));
  if (!style) return std::nullopt;
  return TsParentBackground{&style->CacheBmp()->Data(), {}};
}

std::optional<TsParentBackground> TsGenStyle::GetParentBackground() const {
  if (!ownerControl_) return std::nullopt;
  return ParentBackgroundOf(*ownerControl_);
}

}  // namespace sStyleSimply
