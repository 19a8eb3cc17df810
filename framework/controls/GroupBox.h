#pragma once

#include "framework/controls/CustomControl.h"

namespace framework {

// A container framed by an etched line, its caption set into the top edge. Aligned
// children go inside the frame, below the caption.
class TGroupBox : public TCustomControl {
 public:
  explicit TGroupBox(TComponent* owner);
  ~TGroupBox() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TRect ClientRect() const override;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;

 private:
  int CaptionHeight() const;
};

}  // namespace framework
