#pragma once

#include <cstdint>

namespace platform {

// The virtual-key code of an SDL key code; 0 for keys the window system does not name.
std::uint32_t VirtualKeyFromSdl(std::int32_t keycode);

}  // namespace platform
