#pragma once

#include <cstdint>
#include <memory>

#include "framework/controls/CustomControl.h"
#include "framework/forms/Menus.h"
#include "framework/forms/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "style/sStyleOwners.h"
#include "style/sStyleUtil.h"

namespace sButtonControl {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const framework::TEnumType ButtonLayoutType;

class TsButtonControl;

enum class TFadeDirection : std::uint8_t { None, In, Out };

// Drives a button's fade: while a direction is set it ticks at the fade interval and the
// button shows one more frame at every tick.
class TFadeTimer : public framework::TTimer {
 public:
  explicit TFadeTimer(TsButtonControl* button);

  TFadeDirection FadeDirection() const { return direction_; }
  // The timer runs exactly while a direction is set.
  void SetFadeDirection(TFadeDirection direction);
  // Shows the next frame; past the last one it shows the final look and stops.
  void Tick();

 private:
  TsButtonControl* button_;
  TFadeDirection direction_ = TFadeDirection::None;
};

// A flat push button that never takes the keyboard focus, so clicking it leaves the focus
// (and an edit's exit check) alone. It captures the mouse on a left press, shows pressed
// while the pointer stays inside, and clicks on a release inside. Its style keeps its whole
// look in a cache, which Paint copies to the screen; the look fades between normal and hot.
class TsButtonControl : public framework::TCustomControl, public sStyleSimply::TsButtonOwner {
 public:
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
  static constexpr int DefaultBevelWidth = 2;
  static constexpr bool DefaultDown = false;
  // Spacing's declared default; a new button starts at 3, so it stores its spacing.
  static constexpr int DefaultSpacing = 4;

  explicit TsButtonControl(framework::TComponent* owner);
  ~TsButtonControl() override;

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
  int BevelWidth() const override { return bevelWidth_; }
  void SetBevelWidth(int bevelWidth);
  sStyleSimply::TsButtonStyle ButtonStyle() const override { return buttonStyle_; }
  void SetButtonStyle(sStyleSimply::TsButtonStyle buttonStyle);
  // The menu of the drop-down part; cleared when the menu is freed.
  framework::TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(framework::TPopupMenu* menu);
  bool HasDropdownMenu() const override { return dropdownMenu_ != nullptr; }
  bool Down() const { return down_; }
  void SetDown(bool down);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  sStyleUtil::TsActiveBGStyle* sStyle() const { return sStyle_.get(); }

  bool Pressed() const override { return down_ || (tracking_ && pointerInside_); }

  // Keep the look shown now and fade into the new one, when the style fades.
  void FadeIn() override;
  void FadeOut() override;
  // The step the fade has reached: 1 to the iterations going in, down to 0 going out.
  int FadeStep() const { return fadeStep_; }
  TFadeTimer* FadeTimer() const { return fadeTimer_.get(); }

 protected:
  void Loaded() override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;
  void WndProc(framework::TMessage& message) override;
  void Paint() override;
  // Paints what lies on the background into the cache: the frame and the caption.
  virtual void PaintContent();
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;

 private:
  friend class TFadeTimer;

  // Repaints after a change of what the button shows, resizing it first under AutoSize.
  void ContentChanged();
  void AdjustSize();
  void StopTracking();
  // Marks the cache stale and repaints at once.
  void Restyle();
  // Composes the whole look into the cache, sized to the control.
  void PaintLook();
  void StartFade(TFadeDirection direction);
  // Ends a fade where it is; the look that follows is painted afresh.
  void StopFade();
  bool Fading() const { return fadeTimer_->FadeDirection() != TFadeDirection::None; }
  // Shows the fade's frame at the current step on the screen, then moves the step on.
  void DrawFadeFrame(TFadeDirection direction);

  int margin_ = DefaultMargin;
  int numGlyphs_ = DefaultNumGlyphs;
  bool showCaption_ = DefaultShowCaption;
  int spacing_ = 3;
  int imageIndex_ = DefaultImageIndex;
  bool autoSize_ = DefaultAutoSize;
  framework::TPopupMenu* dropdownMenu_ = nullptr;
  bool grayed_ = DefaultGrayed;
  int blend_ = DefaultBlend;
  bool allowAllUp_ = DefaultAllowAllUp;
  int groupIndex_ = DefaultGroupIndex;
  int bevelWidth_ = DefaultBevelWidth;
  sStyleSimply::TsButtonStyle buttonStyle_ = sStyleSimply::tbsButton;
  bool down_ = DefaultDown;
  TButtonLayout layout_ = blGlyphLeft;
  std::unique_ptr<sStyleUtil::TsActiveBGStyle> sStyle_;
  platform::Bitmap previousImage_;  // the look a fade starts from
  int fadeStep_ = 0;
  std::unique_ptr<TFadeTimer> fadeTimer_;
  bool tracking_ = false;  // the left button went down on this button and is held
  bool pointerInside_ = false;
};

}  // namespace sButtonControl
