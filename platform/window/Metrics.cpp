#include "platform/window/Metrics.h"

#include "platform/window/Windows.h"

namespace platform {

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return WindowSystemStarted() ? CurrentBackend().WorkArea().Width() : 0;
    case SM_CYSCREEN:
      return WindowSystemStarted() ? CurrentBackend().WorkArea().Height() : 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CYCAPTION:
    case SM_CYMENU:
      return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 4;
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    case SM_CXSIZE:
    case SM_CYSIZE:
      return 18;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
      return 13;
    default:
      return 0;
  }
}

std::uint32_t GetDoubleClickTime() {
  return 500;
}

}  // namespace platform
