#pragma once

#include <memory>

#include "framework/classes/ClassInfo.h"
#include "platform/graphics/Color.h"
#include "style/sBevels.h"
#include "style/sStyleActive.h"
#include "style/sStyleSimply.h"

// The styles with a painted background: gauges and buttons.
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

 private:
  TsPaintStyle* style_;
  sBevels::TsControlBevel bevel_ = DefaultBevel;
  int transparency_ = DefaultTransparency;
  platform::TColor color_ = DefaultColor;
  bool parentColor_ = DefaultParentColor;
};

// A style that paints its control's background.
class TsPaintStyle : public sStyleSimply::TsGenStyle {
 public:
  explicit TsPaintStyle(sStyleSimply::TsStyleOwner* owner);
  ~TsPaintStyle() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TsPainting* Painting() const { return painting_.get(); }
  // Published in place of the base group number, which stays 0 and is what skin notices
  // are matched against.
  int PublishedGroupIndex() const { return publishedGroupIndex_; }
  void SetPublishedGroupIndex(int value) { publishedGroupIndex_ = value; }

 private:
  std::unique_ptr<TsPainting> painting_;
  int publishedGroupIndex_ = 0;
};

// Adds a background of a picture and a gradient.
class TsPassiveBGStyle : public TsPaintStyle {
 public:
  explicit TsPassiveBGStyle(sStyleSimply::TsStyleOwner* owner);
  ~TsPassiveBGStyle() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  sStyleActive::TsBackground* Background() const { return background_.get(); }

 private:
  std::unique_ptr<sStyleActive::TsBackground> background_;
};

// Adds the hot look and the button effects.
class TsActiveBGStyle : public TsPassiveBGStyle {
 public:
  explicit TsActiveBGStyle(sStyleSimply::TsStyleOwner* owner);
  ~TsActiveBGStyle() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  sStyleActive::TsHotStyle* HotStyle() const { return hotStyle_.get(); }
  sStyleActive::TsActiveEffects* BtnEffects() const { return btnEffects_.get(); }

 private:
  std::unique_ptr<sStyleActive::TsHotStyle> hotStyle_;
  std::unique_ptr<sStyleActive::TsActiveEffects> btnEffects_;
};

}  // namespace sStyleUtil
