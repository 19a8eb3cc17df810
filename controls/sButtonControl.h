#pragma once

#include <cstdint>

#include "framework/controls/CustomControl.h"

namespace sButtonControl {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const framework::TEnumType ButtonLayoutType;

// A flat push button that never takes the keyboard focus, so clicking it leaves the focus
// (and an edit's exit check) alone. It captures the mouse on a left press, shows pressed
// while the pointer stays inside, and clicks on a release inside. Its whole look is painted
// by Paint, which the skinned look replaces.
class TsButtonControl : public framework::TCustomControl {
 public:
  static constexpr int DefaultBevelWidth = 2;

  // Declared defaults of the published properties, which are the initial values too; the
  // speed button publishes most of them.
  static constexpr int DefaultMargin = 0;
  static constexpr int DefaultNumGlyphs = 1;
  static constexpr bool DefaultShowCaption = true;
  static constexpr int DefaultImageIndex = 0;
  static constexpr bool DefaultAutoSize = false;
  static constexpr bool DefaultGrayed = false;
  static constexpr int DefaultBlend = 0;
  static constexpr bool DefaultAllowAllUp = false;
  static constexpr int DefaultGroupIndex = 0;
  static constexpr bool DefaultDown = false;
  // Spacing's declared default; a new button starts at 3, so it stores its spacing.
  static constexpr int DefaultSpacing = 4;

  explicit TsButtonControl(framework::TComponent* owner);

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Margin() const { return margin_; }
  void SetMargin(int margin);
  // Values below 1 are kept as 1.
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int numGlyphs);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool showCaption);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int imageIndex);
  // Fits the bounds to the caption, keeping left and top.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool grayed);
  // Transparency of the glyph in percent; clamped to 0..100.
  int Blend() const { return blend_; }
  void SetBlend(int blend);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allowAllUp) { allowAllUp_ = allowAllUp; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex) { groupIndex_ = groupIndex; }
  bool Down() const { return down_; }
  void SetDown(bool down);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);

  // Down, or held by the mouse with the pointer inside.
  bool Pressed() const { return down_ || (tracking_ && pointerInside_); }

 protected:
  void Loaded() override;
  void WndProc(framework::TMessage& message) override;
  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;

 private:
  // Repaints after a change of what the button shows, resizing it first under AutoSize.
  void ContentChanged();
  void AdjustSize();
  void StopTracking();

  int margin_ = DefaultMargin;
  int numGlyphs_ = DefaultNumGlyphs;
  bool showCaption_ = DefaultShowCaption;
  int spacing_ = 3;
  int imageIndex_ = DefaultImageIndex;
  bool autoSize_ = DefaultAutoSize;
  bool grayed_ = DefaultGrayed;
  int blend_ = DefaultBlend;
  bool allowAllUp_ = DefaultAllowAllUp;
  int groupIndex_ = DefaultGroupIndex;
  bool down_ = DefaultDown;
  TButtonLayout layout_ = blGlyphLeft;
  bool tracking_ = false;  // the left button went down on this button and is held
  bool pointerInside_ = false;
};

}  // namespace sButtonControl
