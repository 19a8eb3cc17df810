#pragma once

#include "framework/controls/GraphicControl.h"

namespace framework {

// A surface that OnPaint draws on through Canvas, over the background Color.
class TPaintBox : public TGraphicControl {
 public:
  explicit TPaintBox(TComponent* owner);
  ~TPaintBox() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
};

}  // namespace framework
