#pragma once

#include <cstdint>

#include "framework/classes/Component.h"
#include "framework/classes/Events.h"
#include "platform/window/WindowTypes.h"

namespace framework {

// Runs OnTimer every Interval milliseconds while enabled, through the message loop.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t Interval() const { return interval_; }
  // 0 stops the timer.
  void SetInterval(std::uint32_t interval);
  // A handler assigned in code starts a waiting timer at once.
  void SetOnTimer(TNotifyEvent handler);

  TNotifyEvent OnTimer;

 protected:
  void Loaded() override;

 private:
  void UpdateTimer();
  void WndProc(platform::HWND window, platform::TMessage& message);

  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
  platform::HWND window_{};
};

}  // namespace framework
