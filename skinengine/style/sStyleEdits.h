#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Events.h"
#include "framework/classes/Set.h"
#include "framework/controls/Control.h"
#include "framework/graphics/Font.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"
#include "skinengine/pixels/sBevels.h"
#include "skinengine/style/sStyleOwners.h"
#include "skinengine/style/sStyleSimply.h"

// The styles of editor-like controls: edit fields and check boxes.
// Where it lives: the style classes in sStyleEdits.cpp; their painting parameters in
// sStyleEditsPainting.cpp; border, selection and caption parts in sStyleEditsParts.cpp; the
// attached caption label in sStyleEditsCaption.cpp; the focus keys in sStyleEditsKeys.cpp.
namespace sStyleEdits {

enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };
extern const framework::TEnumType CaptionLayoutType;

enum TsSelectionMode { msBorder, msColor };
using TsSelectionModes = framework::TSet<TsSelectionMode>;
extern const framework::TEnumType SelectionModeType;

class TsEditorStyle;

// Colours and bevel of an editor.
class TsPainting : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr sBevels::TsEditorBevel DefaultBevel = sBevels::ebAsBottomBorder;
  static constexpr platform::TColor DefaultColorBorderBottom = 0x7E756B;
  static constexpr platform::TColor DefaultColor = 0xECFFFF;
  static constexpr bool DefaultParentColor = false;
  // The declared default of ColorBorderTop; a new style starts from clBtnHighlight instead,
  // so every stored editor style carries its ColorBorderTop.
  static constexpr platform::TColor DefaultColorBorderTop = 0xFFFFFF;

  explicit TsPainting(TsEditorStyle* style) : style_(style) {}
  TsPainting(const TsPainting&) = delete;
  TsPainting& operator=(const TsPainting&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override;

  sBevels::TsEditorBevel Bevel() const { return bevel_; }
  void SetBevel(sBevels::TsEditorBevel value);
  platform::TColor ColorBorderTop() const { return colorBorderTop_; }
  void SetColorBorderTop(platform::TColor value);
  platform::TColor ColorBorderBottom() const { return colorBorderBottom_; }
  void SetColorBorderBottom(platform::TColor value);
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  // Follows the parent's colour without giving up ParentColor.
  void TakeParentColor(platform::TColor color) { color_ = color; }

 private:
  void InvalidateControl();

  TsEditorStyle* style_;
  sBevels::TsEditorBevel bevel_ = DefaultBevel;
  platform::TColor colorBorderTop_ = platform::clBtnHighlight;
  platform::TColor colorBorderBottom_ = DefaultColorBorderBottom;
  platform::TColor color_ = DefaultColor;
  bool parentColor_ = DefaultParentColor;
};

// The focus border of an editor.
class TsEditorBorder : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr int DefaultWidth = 2;
  static constexpr sBevels::TsEditorBevel DefaultBevel = sBevels::ebAsBottomBorder;

  explicit TsEditorBorder(framework::TPersistent* owner) : owner_(owner) {}
  TsEditorBorder(const TsEditorBorder&) = delete;
  TsEditorBorder& operator=(const TsEditorBorder&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value; }
  sBevels::TsEditorBevel Bevel() const { return bevel_; }
  void SetBevel(sBevels::TsEditorBevel value) { bevel_ = value; }

 private:
  framework::TPersistent* owner_;
  int width_ = DefaultWidth;
  sBevels::TsEditorBevel bevel_ = DefaultBevel;
};

// The look of a focused editor.
class TsEditorSelection : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr platform::TColor DefaultColor = platform::clWindow;
  static constexpr TsSelectionModes DefaultMode{msBorder, msColor};

  explicit TsEditorSelection(framework::TPersistent* owner);
  ~TsEditorSelection() override;
  TsEditorSelection(const TsEditorSelection&) = delete;
  TsEditorSelection& operator=(const TsEditorSelection&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  TsEditorBorder* Border() const { return border_.get(); }
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor value) { color_ = value; }
  TsSelectionModes Mode() const { return mode_; }
  void SetMode(TsSelectionModes value) { mode_ = value; }

 private:
  framework::TPersistent* owner_;
  std::unique_ptr<TsEditorBorder> border_;
  platform::TColor color_ = DefaultColor;
  TsSelectionModes mode_ = DefaultMode;
};

class TsCustomStyle;

// Makes the label an editor's caption shows, owned by owner. The skinned controls register
// it at start-up; until then a caption has no label to show.
using TsCaptionLabelFactory = sStyleSimply::TsSkinnedLabel* (*)(framework::TControl* owner);
void RegisterCaptionLabel(TsCaptionLabelFactory factory);

// The caption label an editor can attach to itself: a skinned label beside or above the
// control, which exists exactly while Active and follows the control around.
class TsStyleCaption : public sStyleSimply::TsStylePart {
 public:
  explicit TsStyleCaption(TsCustomStyle* style);
  ~TsStyleCaption() override;
  TsStyleCaption(const TsStyleCaption&) = delete;
  TsStyleCaption& operator=(const TsStyleCaption&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override;

  TsCaptionLayout Layout() const { return layout_; }
  void SetLayout(TsCaptionLayout value);
  // Above 0 the label wraps its words within this width.
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value);
  // The label's font; every change of it reaches the label.
  framework::TFont* Font() const { return font_.get(); }
  void SetFont(const framework::TFont* value) { font_->Assign(value); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  // Creates the label (an empty Text becomes the control's name) or frees it.
  bool Active() const { return active_; }
  void SetActive(bool value);

  // The label while Active, or null.
  sStyleSimply::TsSkinnedLabel* Label() const { return label_; }
  // Sizes the label and places it beside or above the control as Layout says; nothing
  // without a label or while the control has no parent.
  void PlaceCaption();
  // Keeps the label in step with the control's moves, visibility and enabling.
  void ControlNotice(std::uint32_t msg);

 private:
  framework::TControl* Control() const;
  void CreateLabel();
  void FreeLabel();
  // Shows a changed property on the label and places it again.
  void Changed();

  TsCustomStyle* style_;
  TsCaptionLayout layout_ = sclLeft;
  int maxWidth_ = 0;
  std::unique_ptr<framework::TFont> font_;
  std::string text_;
  bool active_ = false;
  sStyleSimply::TsSkinnedLabel* label_ = nullptr;  // owned by the control, freed here
};

// Style of editor-like controls.
class TsEditorStyle : public sStyleSimply::TsGenStyle {
 public:
  explicit TsEditorStyle(framework::TControl* owner);
  ~TsEditorStyle() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TsPainting* Painting() const { return painting_.get(); }
  TsEditorSelection* Selection() const { return selection_.get(); }

  // The selection colour while active with msColor in Selection.Mode, else the painting
  // colour; from the bound section when there is one.
  platform::TColor BackgroundColor() const;
  void PaintShadow(platform::Canvas& canvas, int dx, int dy) override;
  void UpdateRegion() override;

 protected:
  void ParentColorChanged(platform::TColor color) override;

 private:
  std::unique_ptr<TsPainting> painting_;
  std::unique_ptr<TsEditorSelection> selection_;
};

// Adds the caption label and the focus keys.
class TsCustomStyle : public TsEditorStyle {
 public:
  explicit TsCustomStyle(framework::TControl* owner);
  ~TsCustomStyle() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int StyleTypeCode() const override { return 14; }
  bool HandleMessage(platform::TMessage& message) override;

  TsStyleCaption* Caption() const { return caption_.get(); }
  // Virtual-key codes in decimal, separated by blanks or commas, that move the focus to the
  // next or the previous control of the form's tab order.
  const std::string& KeysNextControl() const { return keysNext_; }
  void SetKeysNextControl(const std::string& value) { keysNext_ = value; }
  const std::string& KeysPrevControl() const { return keysPrev_; }
  void SetKeysPrevControl(const std::string& value) { keysPrev_ = value; }

  // A key listed in KeysNextControl or KeysPrevControl, pressed without Shift, Alt or Ctrl,
  // moves the focus along the tab order, wrapping round, and is used up.
  void FocusKeyDown(framework::TObject* sender, std::uint16_t& key, framework::TShiftState shift);
  // FocusKeyDown as a key-down handler, which edits and check boxes install at construction.
  framework::TKeyEvent FocusKeyHandler();

 private:
  std::unique_ptr<TsStyleCaption> caption_;
  std::string keysNext_;
  std::string keysPrev_;
};

// The published style of edits and check boxes.
class TsStyle : public TsCustomStyle {
 public:
  using TsCustomStyle::TsCustomStyle;
  int StyleTypeCode() const override { return 15; }

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace sStyleEdits
