#pragma once

#include <cstdint>
#include <string>

#include "framework/classes/Events.h"
#include "framework/controls/CustomControl.h"
#include "framework/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

namespace sGauge {

enum TsGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
extern const framework::TEnumType GaugeKindType;

// A progress gauge: Progress within MinValue..MaxValue shown as a bar (or pie, or needle)
// and as the percentage followed by Suffix. A change of the percentage is painted at once,
// so a loop that steps Progress without handling messages shows every step.
class TsGauge : public framework::TCustomControl {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr std::int32_t DefaultMinValue = 0;
  static constexpr std::int32_t DefaultMaxValue = 100;
  static constexpr std::int32_t DefaultProgress = 47;
  static constexpr TsGaugeKind DefaultKind = gkHorizontalBar;
  static constexpr bool DefaultShowText = true;

  explicit TsGauge(framework::TComponent* owner);

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
  const std::string& Suffix() const { return suffix_; }
  void SetSuffix(const std::string& suffix);

  // (Progress - MinValue) * 100 div (MaxValue - MinValue), 0 for an empty range, and never
  // outside 0..100 even for a range stored upside down.
  int Percent() const;
  // What the gauge writes over the figure: the percentage followed by Suffix.
  std::string PercentText() const { return std::to_string(Percent()) + suffix_; }

  // Every change of Progress, also one that leaves the percentage as it was.
  framework::TNotifyEvent OnChange;

 protected:
  void WndProc(framework::TMessage& message) override;
  void Paint() override;

 private:
  void PaintFigure(framework::TCanvas& canvas, const platform::TRect& r, int percent);
  bool Loading() const;

  std::int32_t minValue_ = DefaultMinValue;
  std::int32_t maxValue_ = DefaultMaxValue;
  std::int32_t progress_ = DefaultProgress;
  TsGaugeKind kind_ = DefaultKind;
  bool showText_ = DefaultShowText;
  std::string suffix_ = "%";
};

}  // namespace sGauge
