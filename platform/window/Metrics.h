#pragma once

#include <cstdint>

namespace platform {

// System metrics, fixed at 96 dpi; the indexes are those of the desktop interface.
enum SystemMetric : int {
  SM_CXSCREEN = 0,
  SM_CYSCREEN = 1,
  SM_CXVSCROLL = 2,
  SM_CYHSCROLL = 3,
  SM_CYCAPTION = 4,
  SM_CXBORDER = 5,
  SM_CYBORDER = 6,
  SM_CXDLGFRAME = 7,
  SM_CYDLGFRAME = 8,
  SM_CXICON = 11,
  SM_CYICON = 12,
  SM_CYMENU = 15,
  SM_CXSIZE = 30,
  SM_CYSIZE = 31,
  SM_CXFRAME = 32,
  SM_CYFRAME = 33,
  SM_CXDOUBLECLK = 36,
  SM_CYDOUBLECLK = 37,
  SM_CXEDGE = 45,
  SM_CYEDGE = 46,
  SM_CXSMICON = 49,
  SM_CYSMICON = 50,
  SM_CXMENUCHECK = 71,
  SM_CYMENUCHECK = 72,
};

// 0 for an index without a value. The screen size is the back end's work area.
int GetSystemMetrics(int index);
std::uint32_t GetDoubleClickTime();

}  // namespace platform
