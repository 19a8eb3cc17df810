#pragma once

#include <cstdint>

#include "platform/window/WindowTypes.h"

namespace platform {

// The shortest interval; shorter ones are raised to it so a timer cannot starve the loop.
inline constexpr std::uint32_t USER_TIMER_MINIMUM = 10;

// Starts (or restarts, for an id in use) a timer that sends WM_TIMER with the id to the
// window every interval; 0 when the window does not exist. Ticks do not pile up: a late
// timer fires once and counts its next interval from then.
std::uint32_t SetTimer(HWND window, std::uint32_t id, std::uint32_t intervalMs);
bool KillTimer(HWND window, std::uint32_t id);

}  // namespace platform
