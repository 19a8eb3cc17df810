#pragma once

#include <memory>

#include "framework/classes/ClassInfo.h"
#include "framework/controls/Control.h"
#include "framework/controls/WinControl.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "skinengine/pixels/sBevels.h"
#include "skinengine/style/sStyleActive.h"
#include "skinengine/style/sStyleCompose.h"
#include "skinengine/style/sStyleSimply.h"

// The styles with a painted background: gauges and buttons.
// Where it lives: the classes in sStyleUtil.cpp, their painting parameters in
// sStyleUtilPainting.cpp, the values they paint with (section or own) in sStyleValues.cpp, and
// the background they paint in sStyleBackground.cpp, composed by sStyleCompose.cpp.
namespace sStyleUtil {

class TsPaintStyle;

// Colour, bevel and transparency of a painted background.
class TsPainting : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr sBevels::TsControlBevel DefaultBevel = sBevels::cbRaisedSoft;
  static constexpr int DefaultTransparency = 0;
  static constexpr platform::TColor DefaultColor = 0xCAC2B7;
  static constexpr bool DefaultParentColor = true;

  explicit TsPainting(TsPaintStyle* style) : style_(style) {}
  TsPainting(const TsPainting&) = delete;
  TsPainting& operator=(const TsPainting&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override;

  sBevels::TsControlBevel Bevel() const { return bevel_; }
  void SetBevel(sBevels::TsControlBevel value);
  int Transparency() const { return transparency_; }
  // Clamped to 0..100, the range the blending weights are made for.
  void SetTransparency(int value);
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  // Not published: an unskinned paint style draws its bevel this wide.
  int BevelWidth() const { return 0; }
  // Follows the parent's colour without giving up ParentColor.
  void TakeParentColor(platform::TColor color) { color_ = color; }

 private:
  TsPaintStyle* style_;
  sBevels::TsControlBevel bevel_ = DefaultBevel;
  int transparency_ = DefaultTransparency;
  platform::TColor color_ = DefaultColor;
  bool parentColor_ = DefaultParentColor;
};

// How a button fades, from the bound section or the own settings. The counts are kept
// usable: at least one step, and intervals of at least a millisecond.
struct TsFadeSettings {
  bool Enabled = false;
  int Iterations = 1;
  int IntervalIn = 1;
  int IntervalOut = 1;
};

// A style that paints its control's background.
class TsPaintStyle : public sStyleSimply::TsGenStyle {
 public:
  explicit TsPaintStyle(framework::TControl* owner);
  ~TsPaintStyle() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TsPainting* Painting() const { return painting_.get(); }
  // Published in place of the base group number, which stays 0 and is what skin notices
  // are matched against.
  int PublishedGroupIndex() const { return publishedGroupIndex_; }
  void SetPublishedGroupIndex(int value) { publishedGroupIndex_ = value; }

  // The normal look's transparency: the bound section's, else the own painting's.
  int PaintingTransparency() const;
  void PaintShadow(platform::Canvas& canvas, int dx, int dy) override;

 protected:
  void ParentColorChanged(platform::TColor color) override;

 private:
  std::unique_ptr<TsPainting> painting_;
  int publishedGroupIndex_ = 0;
};

// Adds a background of a picture and a gradient.
class TsPassiveBGStyle : public TsPaintStyle {
 public:
  explicit TsPassiveBGStyle(framework::TControl* owner);
  ~TsPassiveBGStyle() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  sStyleActive::TsBackground* Background() const { return background_.get(); }

  // The look shown now: the normal one here.
  virtual TsLook Look() const { return NormalLook(); }
  // From the bound section, else from the own properties.
  TsLook NormalLook() const;
  // Composes the look shown now into the cache, over the parent's picture as far as the
  // transparency lets it show; a container then paints its children's shadows.
  virtual void PaintBackground();

 protected:
  // Composes look over rect of the cache, with the parent's picture below.
  void PaintLook(const TsLook& look, const platform::TRect& rect, TsComposeRule rule);

 private:
  std::unique_ptr<sStyleActive::TsBackground> background_;
};

// Adds the hot look and the button effects.
class TsActiveBGStyle : public TsPassiveBGStyle {
 public:
  explicit TsActiveBGStyle(framework::TControl* owner);
  ~TsActiveBGStyle() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  sStyleActive::TsHotStyle* HotStyle() const { return hotStyle_.get(); }
  sStyleActive::TsActiveEffects* BtnEffects() const { return btnEffects_.get(); }

  // The hot look while the style is active.
  TsLook Look() const override { return IsActive() ? HotLook() : NormalLook(); }
  TsLook HotLook() const;
  void PaintBackground() override;
  // The frame of a button: pressed, hot or normal, over rect of the cache.
  void PaintBevelFrame(const platform::TRect& rect);
  TsFadeSettings FadeSettings() const;
  bool FadingEnabled() const override { return FadeSettings().Enabled; }
  // The text colour of the hot look.
  platform::TColor HotFontColor() const;
  void UpdateRegion() override;

 private:
  std::unique_ptr<sStyleActive::TsHotStyle> hotStyle_;
  std::unique_ptr<sStyleActive::TsActiveEffects> btnEffects_;
};

// Tells the skinned children of parent that the picture below them changed; rebuilt is set
// when that picture was composed anew, which their caches then follow.
void RefreshSkinnedChildren(framework::TWinControl& parent, bool rebuilt);

}  // namespace sStyleUtil
