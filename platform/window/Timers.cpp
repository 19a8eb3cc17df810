#include "platform/window/Timers.h"

#include <algorithm>

#include "platform/kernel/Clock.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowSystem.h"

namespace platform {

std::uint32_t SetTimer(HWND h, std::uint32_t id, std::uint32_t intervalMs) {
  if (FindWindow(h) == nullptr) return 0;
  KillTimer(h, id);
  const std::uint32_t interval = std::max(intervalMs, USER_TIMER_MINIMUM);
  Sys().Timers.push_back({h, id, interval, GetTickCount64() + interval});
  return id == 0 ? 1 : id;
}

bool KillTimer(HWND h, std::uint32_t id) {
  return std::erase_if(Sys().Timers, [&](const Timer& t) { return t.Window == h && t.Id == id; }) >
         0;
}

std::optional<MSG> TakeDueTimer(std::uint64_t horizon) {
  std::vector<Timer>& timers = Sys().Timers;
  const auto due = std::min_element(timers.begin(), timers.end(),
                                    [](const Timer& a, const Timer& b) { return a.Due < b.Due; });
  if (due == timers.end() || due->Due > horizon) return std::nullopt;
  due->Due = GetTickCount64() + due->Interval;
  return MSG{due->Window, TMessage{WM_TIMER, due->Id, 0, 0}};
}

std::optional<std::uint64_t> NextTimerDue() {
  const std::vector<Timer>& timers = Sys().Timers;
  const auto due = std::min_element(timers.begin(), timers.end(),
                                    [](const Timer& a, const Timer& b) { return a.Due < b.Due; });
  if (due == timers.end()) return std::nullopt;
  return due->Due;
}

}  // namespace platform
