#pragma once

#include <string>

#include "framework/controls/CustomControl.h"
#include "framework/controls/Label.h"
#include "framework/graphics/Canvas.h"
#include "skinengine/style/sStyleOwners.h"

namespace sCustomLabel {

// A windowed text label that looks transparent on skinned surfaces: it copies the part of its
// parent's skinned picture that lies under it and writes its caption over it. Alignment,
// vertical layout, word wrap, auto size and accelerators work as the plain label's. Its
// setters do nothing while it has no parent.
class TsCustomLabel : public framework::TCustomControl, public sStyleSimply::TsSkinnedLabel {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr framework::TAlignment DefaultAlignment = framework::taLeftJustify;
  static constexpr bool DefaultAutoSize = true;
  static constexpr framework::TTextLayout DefaultLayout = framework::tlTop;
  static constexpr bool DefaultWordWrap = false;
  static constexpr bool DefaultShowAccelChar = true;
  static constexpr bool DefaultTransparent = true;
  static constexpr platform::TColor DefaultColor = platform::clWindow;

  explicit TsCustomLabel(framework::TComponent* owner);
  ~TsCustomLabel() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  framework::TControl& LabelControl() override { return *this; }

  // Focused by the accelerator and by a click; cleared when that control is freed.
  framework::TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(framework::TWinControl* control) override;
  framework::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(framework::TAlignment alignment) override;
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize) override;
  framework::TTextLayout Layout() const { return layout_; }
  void SetLayout(framework::TTextLayout layout) override;
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap) override;
  // An "&" marks the accelerator character, which is shown underlined.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool showAccelChar);
  // The parent's picture shows below the text, else the label's Color.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) override;
  bool MouseInside() const { return mouseInside_; }

 protected:
  // The caption while the label has a parent.
  virtual std::string GetLabelText() const;
  // Fits the bounds to the text under AutoSize (a right-aligned label keeps its right edge),
  // then sends the label behind its siblings.
  virtual void AdjustBounds();
  // Draws the text in rect with DT_* flags; with DT_CALCRECT only measures it into rect.
  virtual void DoDrawText(framework::TCanvas& canvas, platform::TRect& rect, unsigned flags);
  // The label's font while it has a parent.
  virtual const framework::TFont* GetLabelFont() const;

  void WndProc(framework::TMessage& message) override;
  void Paint() override;
  void Loaded() override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  unsigned TextFlags() const;
  void PaintBackground(framework::TCanvas& canvas);
  // The click or the accelerator may hand the focus on to FocusControl.
  bool CanFocusTarget() const;

  framework::TWinControl* focusControl_ = nullptr;
  framework::TAlignment alignment_ = DefaultAlignment;
  bool autoSize_ = DefaultAutoSize;
  framework::TTextLayout layout_ = DefaultLayout;
  bool wordWrap_ = DefaultWordWrap;
  bool showAccelChar_ = DefaultShowAccelChar;
  bool transparent_ = DefaultTransparent;
  bool mouseInside_ = false;
};

// The label as descriptions use it.
class TsLabel : public TsCustomLabel {
 public:
  using TsCustomLabel::TsCustomLabel;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace sCustomLabel
