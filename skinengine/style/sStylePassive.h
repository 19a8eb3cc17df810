#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Component.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/window/WindowTypes.h"
#include "skinengine/pixels/sBevels.h"
#include "skinengine/style/sStyleActive.h"

// The style of a form's own background, owned by its frame painter.
// Where it lives: binding and messages in sStylePassive.cpp, its parts in
// sStylePassiveParts.cpp, the painted background in sStylePassivePaint.cpp.
namespace sStylePassive {

// Colours, bevel and transparency of the form's background.
class TsPassivePainting : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr sBevels::TsControlBevel DefaultBevel = sBevels::cbRaisedSoft;
  static constexpr int DefaultTransparency = 50;
  static constexpr platform::TColor DefaultColorBorderTop = 0xFFFFFF;
  static constexpr platform::TColor DefaultColorBorderBottom = 0;
  static constexpr platform::TColor DefaultColor = platform::clMenu;

  explicit TsPassivePainting(framework::TPersistent* owner) : owner_(owner) {}
  TsPassivePainting(const TsPassivePainting&) = delete;
  TsPassivePainting& operator=(const TsPassivePainting&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  sBevels::TsControlBevel Bevel() const { return bevel_; }
  void SetBevel(sBevels::TsControlBevel value) { bevel_ = value; }
  int Transparency() const { return transparency_; }
  void SetTransparency(int value) { transparency_ = value; }
  platform::TColor ColorBorderTop() const { return colorBorderTop_; }
  void SetColorBorderTop(platform::TColor value) { colorBorderTop_ = value; }
  platform::TColor ColorBorderBottom() const { return colorBorderBottom_; }
  void SetColorBorderBottom(platform::TColor value) { colorBorderBottom_ = value; }
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor value) { color_ = value; }

 private:
  framework::TPersistent* owner_;
  sBevels::TsControlBevel bevel_ = DefaultBevel;
  int transparency_ = DefaultTransparency;
  platform::TColor colorBorderTop_ = DefaultColorBorderTop;
  platform::TColor colorBorderBottom_ = DefaultColorBorderBottom;
  platform::TColor color_ = DefaultColor;
};

// Shadow settings of the form's background.
class TsPassiveShadow : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr sStyleActive::TPercent DefaultTransparency = 50;
  static constexpr bool DefaultEnabled = true;
  static constexpr platform::TColor DefaultColor = 0;
  static constexpr int DefaultOffset = 10;
  static constexpr int DefaultBlur = 6;

  explicit TsPassiveShadow(framework::TPersistent* owner) : owner_(owner) {}
  TsPassiveShadow(const TsPassiveShadow&) = delete;
  TsPassiveShadow& operator=(const TsPassiveShadow&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  sStyleActive::TPercent Transparency() const { return transparency_; }
  void SetTransparency(sStyleActive::TPercent value) {
    transparency_ = sStyleActive::ClampPercent(value);
  }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor value) { color_ = value; }
  int Offset() const { return offset_; }
  void SetOffset(int value) { offset_ = value; }
  int Blur() const { return blur_; }
  void SetBlur(int value) { blur_ = value; }

 private:
  framework::TPersistent* owner_;
  sStyleActive::TPercent transparency_ = DefaultTransparency;
  bool enabled_ = DefaultEnabled;
  platform::TColor color_ = DefaultColor;
  int offset_ = DefaultOffset;
  int blur_ = DefaultBlur;
};

// The form's background style; the frame painter binds and paints it.
class TsPassivePaintStyle : public sStyleSimply::TsStylePart {
 public:
  // The declared default, which is the initial value too.
  static constexpr int DefaultGroupIndex = 0;

  explicit TsPassivePaintStyle(framework::TComponent* form);
  ~TsPassivePaintStyle() override;
  TsPassivePaintStyle(const TsPassivePaintStyle&) = delete;
  TsPassivePaintStyle& operator=(const TsPassivePaintStyle&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return form_; }

  sStyleActive::TsBackground* Background() const { return background_.get(); }
  TsPassiveShadow* Shadow() const { return shadow_.get(); }
  TsPassivePainting* Painting() const { return painting_.get(); }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value) { skinSection_ = value; }

  framework::TComponent* Form() const { return form_; }
  framework::TBitmap* Bitmap() const { return bitmap_.get(); }
  // The frame painter gives its form style a kind of its own.
  int ControlKind() const { return controlKind_; }
  void SetControlKind(int kind) { controlKind_ = kind; }
  int SkinIndex() const { return skinIndex_; }
  int MaskIndex() const { return maskIndex_; }

  // Composes the form's background from the own properties over rect of target; a form
  // style of a container kind then paints the shadows of the form's children.
  void PaintBackground(platform::Bitmap& target, const platform::TRect& rect) const;

  // Answers the identify query and binds or unbinds on the skin notices of its group or the
  // frame group; true when the message was the kit's.
  bool HandleKitMessage(platform::TMessage& message);
  // Remembers the section and its border mask in the active skin.
  void BindSkin();
  void UnbindSkin();
  // The first section named SkinSection, or -1 (also when no skin is active).
  int SectionIndexOf() const;
  // The image of that property for SkinSection, else for the parent section of the
  // remembered one; -1 when none, no skin is active or SkinSection is empty.
  int ImageIndexOf(std::string_view propertyName) const;

 private:
  framework::TComponent* form_;
  std::unique_ptr<framework::TBitmap> bitmap_;
  std::unique_ptr<TsPassiveShadow> shadow_;
  std::unique_ptr<TsPassivePainting> painting_;
  std::unique_ptr<sStyleActive::TsBackground> background_;
  int groupIndex_ = DefaultGroupIndex;
  std::string skinSection_;
  int skinIndex_ = -1;
  int maskIndex_ = -1;
  int controlKind_ = 0;
};

}  // namespace sStylePassive
