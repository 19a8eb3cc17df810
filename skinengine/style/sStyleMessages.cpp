#include <cstdint>

#include "framework/controls/ControlMessages.h"
#include "framework/controls/WinControl.h"
#include "platform/window/Messages.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStyleSimply {

bool TsGenStyle::HandleMessage(platform::TMessage& message) {
  if (HandleKitMessage(message)) return true;
  HandleNotice(message);
  return false;
}

bool TsGenStyle::HandleKitMessage(platform::TMessage& message) {
  if (message.Msg == sMessages::SM_GETSTYLE) {
    sMessages::ReplyStyle(message, StyleTypeCode(), this);
    return true;
  }
  // A paint style publishes a group number of its own; notices match the base one.
  if (message.WParam != static_cast<platform::WPARAM>(static_cast<std::int64_t>(groupIndex_)))
    return false;
  switch (message.Msg) {
    case sMessages::SM_REBUILDCACHE:
      cacheStale_ = message.LParam != 0;
      return true;
    case sMessages::SM_SKINLOADED:
      LookUpSection();
      regionStale_ = true;
      Invalidate();
      return true;
    case sMessages::SM_SKINREMOVED:
      skinIndex_ = -1;
      maskIndex_ = -1;
      regionStale_ = true;
      Invalidate();
      return true;
    case sMessages::SM_SOFTCORNERS:
      SetSoftControl(message.LParam != 0);
      cacheStale_ = true;
      return true;
    default:
      return false;
  }
}

void TsGenStyle::HandleNotice(platform::TMessage& message) {
  switch (message.Msg) {
    case platform::WM_MOVE:
    case platform::WM_SIZE:
      Moved();
      return;
    case platform::WM_SETFOCUS:
    case framework::CM_ENTER:
      focused_ = true;
      // Editors of kinds 1..15 show their focus through their own frame.
      if (controlKind_ < 1 || controlKind_ > 15) Invalidate();
      return;
    case platform::WM_KILLFOCUS:
    case framework::CM_EXIT:
      focused_ = false;
      Invalidate();
      return;
    case framework::CM_MOUSEENTER:
    case framework::CM_MOUSELEAVE:
      HotChanged(message, message.Msg == framework::CM_MOUSEENTER);
      return;
    case framework::CM_ENABLEDCHANGED:
    case platform::WM_FONTCHANGE:
      Invalidate();
      return;
    case framework::CM_PARENTCOLORCHANGED:
    case framework::CM_SYSCOLORCHANGE:
      if (ownerControl_ && ownerControl_->Parent())
        ParentColorChanged(ownerControl_->Parent()->Color());
      return;
    default:
      return;
  }
}

// The region is rebuilt for the new size, and once more at the next paint.
void TsGenStyle::Moved() {
  cacheStale_ = true;
  regionStale_ = true;
  UpdateRegion();
  regionStale_ = true;
  if (SectionShadow() || effects_->Shadow()->Enabled()) {
    RepaintParent();
  } else if (ButtonOwner()) {
    ownerControl_->Repaint();
  } else if (TsCheckOwner* check = CheckOwner()) {
    check->RepaintAll();
  }
}

}  // namespace sStyleSimply
