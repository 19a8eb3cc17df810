#include <cstdint>

#include "skin/sMessages.h"
#include "style/sStyleSimply.h"

namespace sStyleSimply {

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

}  // namespace sStyleSimply
