#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Events.h"
#include "framework/classes/Object.h"
#include "framework/controls/Control.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/window/WindowTypes.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleOwners.h"
#include "skinengine/style/sStylePart.h"

// The root of the control styles: skin binding, cache state and the shadow settings.
// Where it lives: binding, cache and life in sStyleSimply.cpp; the kind sets in sStyleKinds.cpp;
// messages and notices in sStyleMessages.cpp; hot state in sStyleHot.cpp; the parent's picture
// in sStyleParent.cpp; window regions in sStyleRegion.cpp; shadow settings in sStyleShadow.cpp
// and shadow painting in sStyleShadowPaint.cpp; repainting skinned children in
// sStyleRefresh.cpp; copying published parts in sStyleAssign.cpp.
namespace sStyleSimply {

// Kind sets the style logic tests a control's kind code against; codes outside 0..255 are in
// none of them.
bool IsNoShadowKind(int kind);
bool IsTransparentShadowKind(int kind);
bool IsSoftRegionKind(int kind);
bool IsContainerKind(int kind);
bool IsNeverActiveKind(int kind);
// The checked controls, 31 to 33.
bool IsCheckKind(int kind);

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

// Where a control's parent background lies: a picture, and the offset of the parent's client
// area in it.
struct TsParentBackground {
  const platform::Bitmap* Picture = nullptr;
  platform::TPoint Offset;
};

// The parent's picture under a control: a skinned form's frame picture, or the cache of a
// parent that has a style; none otherwise.
std::optional<TsParentBackground> ParentBackgroundOf(const framework::TControl& control);

// A drop shadow's settings, from the bound section or the style's own.
struct TsShadowValues {
  int Offset = 0;
  platform::TColor Color = 0;
  int Blur = 0;
  int Transparency = 0;
};

// r moved by (dx, dy), its coordinates kept within reach of any bitmap, so that a far offset
// cannot overflow.
platform::TRect OffsetBounds(const platform::TRect& r, std::int64_t dx, std::int64_t dy);

// Round((100 - b) * a / 100 + b), halves to even: b percent of a shadow under a control that
// lets a percent of what lies below show through.
int MixPercent(int a, int b);

// Paints the shadows of a container's children onto its canvas, in the order of the
// children, moved by offset; the walk ends at a child that is being destroyed.
void PaintChildShadows(const framework::TWinControl& parent, platform::Canvas& canvas,
                       platform::TPoint offset);

// The root of every control style. It answers for the control that owns it (the control
// forwards every message to HandleMessage first) and keeps the control's look in its cache.
class TsGenStyle : public sStyleSimply::TsStylePart {
 public:
  // The declared default, which is the initial value too.
  static constexpr bool DefaultSoftControl = true;

  explicit TsGenStyle(framework::TControl* owner);
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

  // Handles what the owner control forwards before its own handling: the kit's messages of
  // this style's group, and the framework's notices of moves, focus, the mouse and colours.
  // True when the message was the kit's, which the control then leaves alone.
  virtual bool HandleMessage(platform::TMessage& message);
  // The code the identify query reports for this kind of style.
  virtual int StyleTypeCode() const { return 1; }

  // Defaults an empty section name to the owner's class name, then looks the section up.
  void BindSkin();
  // Marks the cache stale and invalidates the owner control.
  virtual void Invalidate();
  // Lets the parent repaint, where the control's shadow lives.
  void RepaintParent();
  // Gives the owner's window its corner-cut region (or none) when the region is stale.
  virtual void UpdateRegion();
  // The cache takes the owner's size (0 x 0 without owner).
  void ResizeCache();
  // Copies rect of the cache to the same place of dc; the cache counts as shown even when the
  // copy fails.
  void CopyCache(platform::Canvas& dc, const platform::TRect& rect);

  // The hot look shows: the control is down, focused or under the mouse, and can be hot.
  bool IsActive() const;
  // The parent's picture under the owner control (ParentBackgroundOf).
  std::optional<TsParentBackground> GetParentBackground() const;
  // The control's drop shadow on its parent's canvas, moved by (dx, dy).
  virtual void PaintShadow(platform::Canvas& /*canvas*/, int /*dx*/, int /*dy*/) {}
  // The bound section says the control casts a shadow.
  bool SectionShadow() const;
  // The shadow settings: the section's when it is bound (none unless it enables a shadow),
  // the own ones otherwise.
  std::optional<TsShadowValues> ShadowValues() const;
  // The look changes by fading rather than at once.
  virtual bool FadingEnabled() const { return false; }

  int SkinIndex() const { return skinIndex_; }
  int MaskIndex() const { return maskIndex_; }
  // The bound section, or null when unbound or when the skin lists no longer hold it.
  const sSkinManager::SkinSectionData* Section() const;
  bool RegionStale() const { return regionStale_; }
  void SetRegionStale(bool value) { regionStale_ = value; }
  bool CacheStale() const { return cacheStale_; }
  void SetCacheStale(bool value) { cacheStale_ = value; }
  framework::TControl* OwnerControl() const { return ownerControl_; }
  framework::TBitmap* CacheBmp() const { return cacheBmp_.get(); }
  int ControlKind() const { return controlKind_; }
  void SetControlKind(int kind) { controlKind_ = kind; }
  bool Focused() const { return focused_; }
  bool MouseInside() const { return mouseInside_; }
  // The pointer left while a modal menu held the mouse, so no leave notice came.
  void ClearHotMarks() {
    mouseInside_ = false;
    focused_ = false;
  }

 protected:
  // Looks the section and its border mask up again, without defaulting the name.
  void LookUpSection();
  // Sets the owner's window region: one pixel cut off each corner, or none when the style is
  // not soft or its kind keeps square corners. The cache is stale afterwards.
  void SetCornerRegion();
  // The owner as a button or a check control, or null.
  TsButtonOwner* ButtonOwner() const;
  TsCheckOwner* CheckOwner() const;
  // Blends the shadow of shape (in the parent's client area) onto the parent's canvas, moved
  // by the shadow offset and by (dx, dy).
  static void CastShadow(platform::Canvas& canvas, const platform::TRect& shape,
                         const TsShadowValues& values, int share, int radius, int dx, int dy);
  // The owner's parent has this colour, which a style that follows it takes over.
  virtual void ParentColorChanged(platform::TColor /*color*/) {}

 private:
  bool HandleKitMessage(platform::TMessage& message);
  void HandleNotice(platform::TMessage& message);
  void Moved();
  void HotChanged(platform::TMessage& message, bool inside);

  std::unique_ptr<TsEffects> effects_;
  bool softControl_ = DefaultSoftControl;
  int groupIndex_ = 0;
  std::string skinSection_;
  int maskIndex_ = -1;
  int skinIndex_ = -1;
  bool regionStale_ = true;
  bool cacheStale_ = true;
  framework::TControl* ownerControl_;
  std::unique_ptr<framework::TBitmap> cacheBmp_;
  int controlKind_ = 0;
  bool focused_ = false;
  bool mouseInside_ = false;
};

}  // namespace sStyleSimply
