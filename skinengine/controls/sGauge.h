#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/classes/Events.h"
#include "framework/controls/CustomControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "skinengine/pixels/sBevels.h"
#include "skinengine/style/sStyleUtil.h"

namespace sGauge {

// Where it lives: properties and life in sGauge.cpp, painting in sGaugePaint.cpp.

enum TsGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
extern const framework::TEnumType GaugeKindType;

// The background a gauge gets at design time when its style has no gradient of its own.
inline constexpr const char* DesignGradient = "8421504;16777215;99;0;0;16777215;16777215;0;0;0";

// A progress gauge: Progress within MinValue..MaxValue shown as a bar, a pie, a needle or
// text only, with the percentage followed by Suffix, over the background of its style. Its
// whole look lives in the style's cache; a change of the percentage rebuilds it and puts it
// on the screen at once, so a loop that steps Progress without handling messages shows every
// step.
class TsGauge : public framework::TCustomControl {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr std::int32_t DefaultMinValue = 0;
  static constexpr std::int32_t DefaultMaxValue = 100;
  static constexpr std::int32_t DefaultProgress = 47;
  static constexpr TsGaugeKind DefaultKind = gkHorizontalBar;
  static constexpr bool DefaultShowText = true;
  static constexpr int DefaultForeAlpha = 50;
  static constexpr int DefaultBevelWidth = 1;

  explicit TsGauge(framework::TComponent* owner);
  ~TsGauge() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Outside loading, a minimum above the maximum (or a maximum below the minimum) raises
  // EInvalidOperation and changes nothing; Progress follows the new range.
  std::int32_t MinValue() const { return minValue_; }
  void SetMinValue(std::int32_t value);
  std::int32_t MaxValue() const { return maxValue_; }
  void SetMaxValue(std::int32_t value);
  // Kept within MinValue..MaxValue.
  std::int32_t Progress() const { return progress_; }
  void SetProgress(std::int32_t value);
  TsGaugeKind Kind() const { return kind_; }
  void SetKind(TsGaugeKind kind);
  bool ShowText() const { return showText_; }
  void SetShowText(bool showText);
  sStyleUtil::TsPassiveBGStyle* sStyle() const { return sStyle_.get(); }
  // How strongly the figure covers the background, 0..100; values outside are clamped.
  int ForeAlpha() const { return foreAlpha_; }
  void SetForeAlpha(int foreAlpha);
  const std::string& Suffix() const { return suffix_; }
  void SetSuffix(const std::string& suffix);
  // The width of the frame's bevel when the skin gives the gauge no border mask.
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int bevelWidth);

  // (Progress - MinValue) * 100 div (MaxValue - MinValue), 0 for an empty range, and never
  // outside 0..100 even for a range stored upside down.
  int Percent() const;
  // What the gauge writes over the figure: the percentage followed by Suffix.
  std::string PercentText() const { return std::to_string(Percent()) + suffix_; }

  // Every change of Progress, also one that leaves the percentage as it was.
  framework::TNotifyEvent OnChange;

 protected:
  void Loaded() override;
  void WndProc(framework::TMessage& message) override;
  void Paint() override;

 private:
  // Marks the cache stale and puts the new look on the screen at once.
  void Restyle();
  bool Loading() const;
  // Composes background, frame, figure and text into the style's cache.
  void PaintLook();
  void PaintFrame(platform::Bitmap& cache, sBevels::TsControlBevel bevel);
  // The figure of Kind inside r; percent is what it shows.
  void PaintFigure(platform::Bitmap& cache, const platform::TRect& r, int percent);
  void PaintText(const platform::TRect& r);

  std::int32_t minValue_ = DefaultMinValue;
  std::int32_t maxValue_ = DefaultMaxValue;
  std::int32_t progress_ = DefaultProgress;
  TsGaugeKind kind_ = DefaultKind;
  bool showText_ = DefaultShowText;
  std::unique_ptr<sStyleUtil::TsPassiveBGStyle> sStyle_;
  int foreAlpha_ = DefaultForeAlpha;
  std::string suffix_ = "%";
  int bevelWidth_ = DefaultBevelWidth;
};

}  // namespace sGauge
