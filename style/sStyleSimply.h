#pragma once

#include <memory>
#include <string>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Events.h"
#include "framework/classes/Object.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/window/WindowTypes.h"
#include "style/sStylePart.h"

// The root of the control styles: skin binding, cache state and the shadow settings.
namespace sStyleSimply {

// What a style needs from the control that owns it; the skinned controls implement it.
class TsStyleOwner {
 public:
  virtual ~TsStyleOwner() = default;
  virtual std::string OwnerClassName() const = 0;
  virtual int OwnerWidth() const = 0;
  virtual int OwnerHeight() const = 0;
  // The framework's invalidate of the control.
  virtual void OwnerInvalidate() = 0;
  // A parent that carries a style of its own, which can paint the control's shadow.
  virtual bool HasSkinnedParent() const = 0;
  // Marks the parent's cache stale and repaints it (the shadow lives in the parent).
  virtual void RepaintOwnerParent() = 0;
  virtual platform::TColor OwnerColor() const = 0;
  virtual void SetOwnerColor(platform::TColor color) = 0;
  virtual void SetOwnerParentColor(bool value) = 0;
  // The parent's colour, or false when the control has no parent.
  virtual bool ParentColorOf(platform::TColor& color) const = 0;
};

// Kind sets the style logic tests a control's kind code against; codes outside 0..255 are in
// none of them.
bool IsNoShadowKind(int kind);
bool IsTransparentShadowKind(int kind);
bool IsSoftRegionKind(int kind);
bool IsContainerKind(int kind);
bool IsNeverActiveKind(int kind);

// Kind codes the skinned controls store in their styles.
inline constexpr int KindEdit = 3;
inline constexpr int KindCheckedControl = 31;
inline constexpr int KindCheckBox = 32;
inline constexpr int KindButtonControl = 91;
inline constexpr int KindSpeedButton = 92;
inline constexpr int KindGauge = 161;

class TsGenStyle;

// Drop shadow settings of a control.
class TsShadow : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr int DefaultTransparency = 60;
  static constexpr bool DefaultDontUse = true;
  static constexpr bool DefaultEnabled = false;
  static constexpr platform::TColor DefaultColor = 0;
  static constexpr int DefaultOffset = 8;
  static constexpr int DefaultBlur = 4;

  explicit TsShadow(TsGenStyle* style);
  ~TsShadow() override;
  TsShadow(const TsShadow&) = delete;
  TsShadow& operator=(const TsShadow&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override;

  int Transparency() const { return transparency_; }
  void SetTransparency(int value);
  bool DontUse() const { return dontUse_; }
  void SetDontUse(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor value);
  int Offset() const { return offset_; }
  void SetOffset(int value);
  int Blur() const { return blur_; }
  void SetBlur(int value);

 private:
  TsGenStyle* style_;
  int transparency_ = DefaultTransparency;
  bool dontUse_ = DefaultDontUse;
  bool enabled_ = DefaultEnabled;
  platform::TColor color_ = DefaultColor;
  int offset_ = DefaultOffset;
  int blur_ = DefaultBlur;
};

// Holder of the shadow.
class TsEffects : public sStyleSimply::TsStylePart {
 public:
  explicit TsEffects(TsGenStyle* style);
  ~TsEffects() override;
  TsEffects(const TsEffects&) = delete;
  TsEffects& operator=(const TsEffects&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override;

  TsShadow* Shadow() const { return shadow_.get(); }

 private:
  TsGenStyle* style_;
  std::unique_ptr<TsShadow> shadow_;
};

// The root of every control style.
class TsGenStyle : public sStyleSimply::TsStylePart {
 public:
  // The declared default, which is the initial value too.
  static constexpr bool DefaultSoftControl = true;

  explicit TsGenStyle(TsStyleOwner* owner);
  ~TsGenStyle() override;
  TsGenStyle(const TsGenStyle&) = delete;
  TsGenStyle& operator=(const TsGenStyle&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TsEffects* Effects() const { return effects_.get(); }
  framework::TNotifyEvent OnMouseEnter;
  bool SoftControl() const { return softControl_; }
  void SetSoftControl(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value);

  // Answers the kit's identify query and acts on its skin notices of this style's group;
  // true when the message was the kit's.
  bool HandleKitMessage(platform::TMessage& message);
  // The code the identify query reports for this kind of style.
  virtual int StyleTypeCode() const { return 1; }

  // Defaults an empty section name to the owner's class name, then looks the section up.
  void BindSkin();
  // Marks the cache stale and invalidates the owner control.
  virtual void Invalidate();
  // Lets the parent repaint, where the control's shadow lives.
  void RepaintParent();
  // The cache takes the owner's size (0 x 0 without owner).
  void ResizeCache();

  int SkinIndex() const { return skinIndex_; }
  int MaskIndex() const { return maskIndex_; }
  bool RegionStale() const { return regionStale_; }
  void SetRegionStale(bool value) { regionStale_ = value; }
  bool CacheStale() const { return cacheStale_; }
  void SetCacheStale(bool value) { cacheStale_ = value; }
  TsStyleOwner* OwnerControl() const { return ownerControl_; }
  framework::TBitmap* CacheBmp() const { return cacheBmp_.get(); }
  int ControlKind() const { return controlKind_; }
  void SetControlKind(int kind) { controlKind_ = kind; }
  bool Focused() const { return focused_; }
  bool MouseInside() const { return mouseInside_; }

 protected:
  // Looks the section and its border mask up again, without defaulting the name.
  void LookUpSection();

 private:
  std::unique_ptr<TsEffects> effects_;
  bool softControl_ = DefaultSoftControl;
  int groupIndex_ = 0;
  std::string skinSection_;
  int maskIndex_ = -1;
  int skinIndex_ = -1;
  bool regionStale_ = true;
  bool cacheStale_ = true;
  TsStyleOwner* ownerControl_;
  std::unique_ptr<framework::TBitmap> cacheBmp_;
  int controlKind_ = 0;
  bool focused_ = false;
  bool mouseInside_ = false;
};

}  // namespace sStyleSimply
