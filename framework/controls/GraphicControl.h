#pragma once

#include <memory>

#include "framework/controls/Control.h"
#include "framework/controls/ControlCanvas.h"

namespace framework {

// A control without a window of its own: its parent routes the mouse to it and paints it
// (WM_PAINT with the parent's canvas in WParam, origin at the control's top-left). It never
// takes the keyboard focus, so a click on it leaves the focus where it was.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  void WndProc(TMessage& message) override;
  virtual void Paint() {}

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

}  // namespace framework
