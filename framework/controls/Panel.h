#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/controls/Label.h"

namespace framework {

enum TPanelBevel { bvNone, bvLowered, bvRaised };
extern const TEnumType PanelBevelType;

// A container with an outer and an inner bevel, a plain border between them, and a caption
// in the middle. The bevels and the border lie outside the client area, so aligned children
// sit inside them.
class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner);
  ~TPanel() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel bevel);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel bevel);
  // 1 to 1000 pixels per bevel.
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TRect ClientRect() const override;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;

 private:
  int FrameWidth() const;
  void FrameChanged();

  TPanelBevel bevelInner_ = bvNone;
  TPanelBevel bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  TAlignment alignment_ = taCenter;
};

}  // namespace framework
