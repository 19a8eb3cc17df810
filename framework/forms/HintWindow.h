#pragma once

#include <string>

#include "framework/controls/CustomControl.h"

namespace framework {

// The small topmost window that shows a control's hint near the mouse.
class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Shows text with its top-left at a screen point, sized to fit, without activating it.
  void ActivateHint(TPoint screen, const std::string& text);
  void ReleaseHint();

 protected:
  void CreateParams(platform::CreateParams& params) override;
  void Paint() override;
};

// The part of a hint before "|", which is what the hint window shows.
std::string GetShortHint(const std::string& hint);

}  // namespace framework
