#include "framework/forms/Timer.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/HandleException.h"
#include "platform/window/Messages.h"
#include "platform/window/Timers.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {
constexpr std::uint32_t TimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  platform::CreateParams params;
  params.Style = WS_POPUP;
  params.Proc = [this](HWND window, TMessage& m) { WndProc(window, m); };
  window_ = CreateWindow(params);
}

TTimer::~TTimer() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TTimer, TComponent>("TTimer")
                                     .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
                                     .Int("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000)
                                     .Event("OnTimer", &TTimer::OnTimer)
                                     .Build();
  return info;
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(std::uint32_t interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  OnTimer = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (!IsWindow(window_)) return;
  KillTimer(window_, TimerId);
  if (enabled_ && interval_ > 0 && OnTimer && !ComponentState().Contains(csLoading))
    SetTimer(window_, TimerId, interval_);
}

void TTimer::WndProc(HWND window, TMessage& m) {
  if (m.Msg != WM_TIMER) {
    DefWindowProc(window, m);
    return;
  }
  try {
    if (OnTimer) OnTimer(this);
  } catch (const std::exception& e) {
    HandleException(e);
  }
}

}  // namespace framework
