#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Events.h"
#include "framework/classes/Object.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "skinengine/pixels/sBevels.h"
#include "skinengine/pixels/sGradient.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStylePart.h"

// The background layers, the hot look and the button effects of the styles.
// Where it lives: masked borders in sStyleActive.cpp; gradient and picture layers and the
// (hot) background in sStyleActiveLayers.cpp; the hot style, fading and effects in
// sStyleActiveHot.cpp.
namespace sStyleActive {

// A share in percent, 0..100; larger values are taken as 100.
using TPercent = std::uint8_t;
TPercent ClampPercent(TPercent value);

// Which border mask a button paints: one of the six built-in ones, or its own.
enum TsPredefinedBorders {
  pdBorder1,
  pdBorder2,
  pdBorder3,
  pdBorder4,
  pdBorder5,
  pdBorder6,
  pdCustom
};
extern const framework::TEnumType PredefinedBordersType;

// The border mask a button-like control lays over itself, and whether it uses one at all.
class TsMaskedBorders : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr TsPredefinedBorders DefaultPredefined = pdBorder1;
  static constexpr platform::TColor DefaultTransparentColor = sSkinManager::SkinTransparentColor;
  static constexpr bool DefaultEnabled = true;

  explicit TsMaskedBorders(framework::TPersistent* owner = nullptr);
  ~TsMaskedBorders() override;
  TsMaskedBorders(const TsMaskedBorders&) = delete;
  TsMaskedBorders& operator=(const TsMaskedBorders&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  framework::TBitmap* Mask() const { return mask_.get(); }
  // Copies the picture (null empties the mask) and switches to it.
  void SetMask(const framework::TBitmap* value);
  TsPredefinedBorders Predefined() const { return predefined_; }
  void SetPredefined(TsPredefinedBorders value);
  platform::TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(platform::TColor value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  // Fired on every change, the mask's pixels included; the owning style marks its cache stale
  // and repaints its control.
  framework::TNotifyEvent OnChange;

 private:
  void Changed();

  framework::TPersistent* owner_;
  std::unique_ptr<framework::TBitmap> mask_;
  TsPredefinedBorders predefined_ = DefaultPredefined;
  platform::TColor transparentColor_ = DefaultTransparentColor;
  bool enabled_ = DefaultEnabled;
};

// The mask to paint: the built-in one chosen, or the own mask unless that is empty.
const platform::Bitmap& BorderMaskOf(const TsMaskedBorders& borders);

class TsHotBackground;

// A layer of a background; every change is reported to the background that owns it.
class TsBGAddon : public sStyleSimply::TsStylePart {
 public:
  explicit TsBGAddon(TsHotBackground* background) : background_(background) {}
  TsBGAddon(const TsBGAddon&) = delete;
  TsBGAddon& operator=(const TsBGAddon&) = delete;

  framework::TPersistent* GetOwner() const override;
  TsHotBackground* Background() const { return background_; }

 protected:
  void Changed();

 private:
  TsHotBackground* background_;
};

// The picture layer of a background.
class TsBGImage : public TsBGAddon {
 public:
  // The declared default, which is the initial value too.
  static constexpr TPercent DefaultPercent = 0;

  explicit TsBGImage(TsHotBackground* background);
  ~TsBGImage() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  framework::TPicture* Image() const { return image_.get(); }
  const std::string& ImageName() const { return imageName_; }
  // Taken only when such a file exists; the picture is then loaded from it.
  void SetImageName(const std::string& value);
  TPercent Percent() const { return percent_; }
  void SetPercent(TPercent value);

 private:
  std::unique_ptr<framework::TPicture> image_;
  std::string imageName_;
  TPercent percent_ = DefaultPercent;
};

// The gradient layer of a background, with its text parsed.
class TsBGGradient : public TsBGAddon {
 public:
  // The declared default, which is the initial value too.
  static constexpr TPercent DefaultPercent = 70;

  using TsBGAddon::TsBGAddon;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::string Data() const { return data_.Text(); }
  // Malformed text raises EConvertError and leaves text and array as they were.
  void SetData(const std::string& value);
  TPercent Percent() const { return percent_; }
  void SetPercent(TPercent value);
  const sGradient::GradientArray& GradientArray() const { return array_; }

 private:
  sGradient::TsGradientData data_;
  sGradient::GradientArray array_;
  TPercent percent_ = DefaultPercent;
};

// A picture and a gradient that share the background; their shares add up to 100 at most.
class TsHotBackground : public sStyleSimply::TsStylePart {
 public:
  explicit TsHotBackground(framework::TPersistent* owner);
  ~TsHotBackground() override;
  TsHotBackground(const TsHotBackground&) = delete;
  TsHotBackground& operator=(const TsHotBackground&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  TsBGImage* Image() const { return image_.get(); }
  TsBGGradient* Gradient() const { return gradient_.get(); }

  // Fired when a layer changes; a control style repaints its control.
  framework::TNotifyEvent OnChange;

 private:
  friend class TsBGAddon;
  void LayerChanged();

  framework::TPersistent* owner_;
  std::unique_ptr<TsBGImage> image_;
  std::unique_ptr<TsBGGradient> gradient_;
};

// The normal background of a style.
class TsBackground : public TsHotBackground {
 public:
  // The declared default, which is the initial value too.
  static constexpr bool DefaultListenMSG = false;

  using TsHotBackground::TsHotBackground;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool ListenMSG() const { return listenMSG_; }
  void SetListenMSG(bool value) { listenMSG_ = value; }

 private:
  bool listenMSG_ = DefaultListenMSG;
};

// Colours and bevel of the hot look.
class TsHotPainting : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr platform::TColor DefaultColor = 0xCFB78F;
  static constexpr platform::TColor DefaultFontColor = 0;
  static constexpr framework::TFontStyles DefaultFontStyle{};
  static constexpr sBevels::TsControlBevel DefaultBevel = sBevels::cbRaisedSoft;
  static constexpr int DefaultBevelWidth = 5;

  explicit TsHotPainting(framework::TPersistent* owner) : owner_(owner) {}
  TsHotPainting(const TsHotPainting&) = delete;
  TsHotPainting& operator=(const TsHotPainting&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor value) { color_ = value; }
  platform::TColor FontColor() const { return fontColor_; }
  void SetFontColor(platform::TColor value) { fontColor_ = value; }
  framework::TFontStyles FontStyle() const { return fontStyle_; }
  void SetFontStyle(framework::TFontStyles value) { fontStyle_ = value; }
  TPercent Transparency() const { return transparency_; }
  void SetTransparency(TPercent value) { transparency_ = ClampPercent(value); }
  sBevels::TsControlBevel Bevel() const { return bevel_; }
  void SetBevel(sBevels::TsControlBevel value) { bevel_ = value; }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value) { bevelWidth_ = value; }

 private:
  framework::TPersistent* owner_;
  platform::TColor color_ = DefaultColor;
  platform::TColor fontColor_ = DefaultFontColor;
  framework::TFontStyles fontStyle_ = DefaultFontStyle;
  TPercent transparency_ = 0;
  sBevels::TsControlBevel bevel_ = DefaultBevel;
  int bevelWidth_ = DefaultBevelWidth;
};

// The look of a button while the mouse is over it.
class TsHotStyle : public sStyleSimply::TsStylePart {
 public:
  explicit TsHotStyle(framework::TPersistent* owner);
  ~TsHotStyle() override;
  TsHotStyle(const TsHotStyle&) = delete;
  TsHotStyle& operator=(const TsHotStyle&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  TsHotBackground* HotBackground() const { return hotBackground_.get(); }
  TsHotPainting* HotPainting() const { return hotPainting_.get(); }

 private:
  framework::TPersistent* owner_;
  std::unique_ptr<TsHotPainting> hotPainting_;
  std::unique_ptr<TsHotBackground> hotBackground_;
};

// How a button fades between its normal and its hot look.
class TsFading : public sStyleSimply::TsStylePart {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr bool DefaultEnabled = true;
  static constexpr TPercent DefaultIterations = 5;
  static constexpr TPercent DefaultIntervalIn = 5;
  static constexpr TPercent DefaultIntervalOut = 5;

  explicit TsFading(framework::TPersistent* owner) : owner_(owner) {}
  TsFading(const TsFading&) = delete;
  TsFading& operator=(const TsFading&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  TPercent Iterations() const { return iterations_; }
  void SetIterations(TPercent value) { iterations_ = ClampPercent(value); }
  TPercent IntervalIn() const { return intervalIn_; }
  void SetIntervalIn(TPercent value) { intervalIn_ = ClampPercent(value); }
  TPercent IntervalOut() const { return intervalOut_; }
  void SetIntervalOut(TPercent value) { intervalOut_ = ClampPercent(value); }

 private:
  framework::TPersistent* owner_;
  bool enabled_ = DefaultEnabled;
  TPercent iterations_ = DefaultIterations;
  TPercent intervalIn_ = DefaultIntervalIn;
  TPercent intervalOut_ = DefaultIntervalOut;
};

// Fading and border masks of a button.
class TsActiveEffects : public sStyleSimply::TsStylePart {
 public:
  explicit TsActiveEffects(framework::TPersistent* owner);
  ~TsActiveEffects() override;
  TsActiveEffects(const TsActiveEffects&) = delete;
  TsActiveEffects& operator=(const TsActiveEffects&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  TsFading* Fading() const { return fading_.get(); }
  TsMaskedBorders* MaskedBorders() const { return maskedBorders_.get(); }

 private:
  framework::TPersistent* owner_;
  std::unique_ptr<TsFading> fading_;
  std::unique_ptr<TsMaskedBorders> maskedBorders_;
};

}  // namespace sStyleActive
