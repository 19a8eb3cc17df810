#pragma once

#include <memory>

#include "framework/controls/ControlCanvas.h"
#include "framework/controls/WinControl.h"

namespace framework {

// A windowed control that paints itself on its canvas in Paint.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  void PaintWindow(platform::Canvas& canvas) override;
  virtual void Paint() {}

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

}  // namespace framework
