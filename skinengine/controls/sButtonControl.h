#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/controls/CustomControl.h"
#include "framework/forms/Actions.h"
#include "framework/forms/Menus.h"
#include "framework/forms/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "skinengine/style/sStyleOwners.h"
#include "skinengine/style/sStyleUtil.h"

namespace sButtonControl {

// The button control behind the speed button. Where it lives: properties and life in
// sButtonControl.cpp; the action link in sButtonControlAction.cpp; content layout in
// sButtonControlLayout.cpp; mouse and clicks in sButtonControlMouse.cpp; painting in
// sButtonControlPaint.cpp; fading in sButtonControlFade.cpp.

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const framework::TEnumType ButtonLayoutType;
extern const framework::TEnumType ToolButtonStyleType;

// What the content of a button is laid out from: the control's size, the glyph's, and the
// caption's as measured (0 x 0 when no caption shows).
struct TsContentMetrics {
  platform::TSize Control;
  platform::TSize Glyph;
  platform::TSize Caption;
  int Margin = 0;
  int Spacing = 0;
  bool ShowCaption = true;
  TButtonLayout Layout = blGlyphLeft;
  bool Down = false;
};

// Where the glyph and the caption go, and how the caption is aligned (DT_LEFT, DT_CENTER or
// DT_RIGHT).
struct TsContentLayout {
  platform::TRect Glyph;
  platform::TRect Caption;
  unsigned Alignment = 0;
};

// The glyph beside, above or below the caption, the pair centred; a glyph narrower than two
// pixels gets no room. A down button's content sits one pixel right and down.
TsContentLayout LayoutContent(const TsContentMetrics& metrics);

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

// Keeps a button in step with an action: a caption that was the action's and a down state
// that was its checked state follow their changes, and every change of the action is shown.
class TsButtonActionLink {
 public:
  TsButtonActionLink(TsButtonControl& client, framework::TAction& action);
  ~TsButtonActionLink();
  TsButtonActionLink(const TsButtonActionLink&) = delete;
  TsButtonActionLink& operator=(const TsButtonActionLink&) = delete;

  // Null once the action is being freed.
  framework::TAction* Action() const { return action_; }
  // The action is going; nothing may be asked of it any more.
  void Forget() { action_ = nullptr; }

 private:
  void Changed();

  TsButtonControl& client_;
  framework::TAction* action_;
  // The action's values before its latest change: a button value equal to one is linked.
  std::string caption_;
  bool checked_;
  int imageIndex_;
};

// A flat push button that never takes the keyboard focus, so clicking it leaves the focus
// (and an edit's exit check) alone. It is a plain, sticky or drop-down button, or a
// separator or divider in a tool row. Its style keeps its whole look in a cache, which Paint
// copies to the screen; the look fades between normal and hot.
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
  static constexpr sStyleSimply::TsButtonStyle DefaultButtonStyle = sStyleSimply::tbsButton;
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
  // Fits the bounds to the content, keeping left and top.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // The menu of the drop-down part; cleared when the menu is freed.
  framework::TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(framework::TPopupMenu* menu);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool grayed);
  // Transparency of the glyph in percent while the button is not active; clamped to 0..100.
  int Blend() const { return blend_; }
  void SetBlend(int blend);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allowAllUp) { allowAllUp_ = allowAllUp; }
  // Check buttons of one parent with the same group index of 0 or more release each other.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex) { groupIndex_ = groupIndex; }
  int BevelWidth() const override { return bevelWidth_; }
  void SetBevelWidth(int bevelWidth);
  sStyleSimply::TsButtonStyle ButtonStyle() const override { return buttonStyle_; }
  void SetButtonStyle(sStyleSimply::TsButtonStyle buttonStyle);
  bool Down() const { return down_; }
  void SetDown(bool down);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  sStyleUtil::TsActiveBGStyle* sStyle() const { return sStyle_.get(); }
  // The action the button shows and runs when clicked without an OnClick of its own;
  // cleared when the action is freed.
  framework::TAction* Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }
  void SetAction(framework::TAction* action);

  bool Pressed() const override { return down_; }
  bool HasDropdownMenu() const override { return dropdownMenu_ != nullptr; }
  // The drop-down menu is being shown.
  bool DropdownOpen() const { return dropdownOpen_; }

  // The width of the drop-down part at the right.
  virtual int ArrowWidth() const { return 0; }
  virtual int GlyphWidth() const { return 0; }
  virtual int GlyphHeight() const { return 0; }
  // Where the glyph and the caption go now, the caption measured in the look it has now.
  TsContentLayout ContentLayout();

  // Fits the size to the content first, when the control can be resized.
  void Invalidate() override;

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
  void Click() override;
  void Paint() override;
  virtual void PaintArrow();
  // Paints what lies on the background into the cache: the frame, the glyph and the caption.
  virtual void PaintContent();
  virtual void PaintGlyph(const platform::TRect& /*glyph*/) {}
  // Draws the caption into r of the cache, or with DT_CALCRECT measures it there; a hot
  // caption takes the hot font colour and style, a disabled one is embossed.
  virtual void DrawCaptionText(platform::TRect& r, unsigned flags);
  // The action changed; with checkDefaults only values still at their defaults follow it.
  virtual void ActionChange(const framework::TAction& action, bool checkDefaults);
  // Down changed its value.
  virtual void DownChanged() {}
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;

 private:
  friend class TFadeTimer;
  friend class TsButtonActionLink;

  void AdjustSize();
  // Marks the cache stale and repaints at once.
  void Restyle();
  // Composes the whole look into the cache, which has the control's size.
  void PaintLook();
  void PaintFrame();
  void PaintCaption(platform::TRect r, unsigned alignment);
  // Separators and dividers show the parent's picture under them.
  void PaintParentBackground();
  void PressButton(framework::TMouseButton button, framework::TShiftState shift, int x, int y);
  void PressCheck(framework::TMouseButton button, framework::TShiftState shift, int x, int y);
  // The other down check buttons of this one's group come up.
  void ReleaseGroup();
  void ShowDropdownMenu();
  // The press this button was following ends without a click: another window took the mouse.
  void PressLost();
  void StartFade(TFadeDirection direction);
  // Ends a fade where it is and shows the look it was heading for.
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
  bool downOnThisPress_ = false;  // a check button went down on the press being followed
  int groupIndex_ = DefaultGroupIndex;
  int bevelWidth_ = DefaultBevelWidth;
  sStyleSimply::TsButtonStyle buttonStyle_ = DefaultButtonStyle;
  bool down_ = DefaultDown;
  TButtonLayout layout_ = blGlyphLeft;
  std::unique_ptr<sStyleUtil::TsActiveBGStyle> sStyle_;
  bool dropdownOpen_ = false;
  platform::Bitmap previousImage_;  // the look a fade starts from
  int fadeStep_ = 0;
  std::unique_ptr<TFadeTimer> fadeTimer_;
  std::unique_ptr<TsButtonActionLink> actionLink_;
  bool pressing_ = false;  // a left press on this button is being followed
};

}  // namespace sButtonControl
