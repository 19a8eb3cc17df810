#include "skinengine/controls/sGauge.h"

#include <algorithm>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "platform/window/Messages.h"
#include "skinengine/style/sStyleSimply.h"

namespace sGauge {

using namespace framework;
using namespace platform;

namespace {

constexpr std::string_view KindNames[] = {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie",
                                          "gkNeedle"};
constexpr const char* RangeMessage = "Value must be between %d and %d";

}  // namespace

const TEnumType GaugeKindType{"TsGaugeKind", KindNames};

TsGauge::TsGauge(TComponent* owner)
    : TCustomControl(owner), sStyle_(std::make_unique<sStyleUtil::TsPassiveBGStyle>(this)) {
  sStyle_->SetControlKind(sStyleSimply::KindGauge);
  SetBounds(0, 0, 120, 30);
  sStyleActive::TsBGGradient& gradient = *sStyle_->Background()->Gradient();
  if (ComponentState().Contains(csDesigning) && gradient.Data().empty())
    gradient.SetData(DesignGradient);
  sStyle_->BindSkin();
}

// Messages that still reach the control while its style goes find none.
TsGauge::~TsGauge() {
  Destroying();
  const std::unique_ptr<sStyleUtil::TsPassiveBGStyle> style = std::move(sStyle_);
}

const TClassInfo& TsGauge::StaticClassInfo() {
  using G = TsGauge;
  static const TClassInfo info =
      TClassBuilder<G, TCustomControl>("TsGauge")
          .Int("BevelWidth", &G::BevelWidth, &G::SetBevelWidth, G::DefaultBevelWidth)
          .Int("MinValue", &G::MinValue, &G::SetMinValue, G::DefaultMinValue)
          .Int("MaxValue", &G::MaxValue, &G::SetMaxValue, G::DefaultMaxValue)
          .Int("Progress", &G::Progress, &G::SetProgress, G::DefaultProgress)
          .Enum("Kind", GaugeKindType, &G::Kind, &G::SetKind, G::DefaultKind)
          .Bool("ShowText", &G::ShowText, &G::SetShowText, G::DefaultShowText)
          .Object("sStyle", &G::sStyle)
          .Event("OnChange", &G::OnChange)
          .Int("ForeAlpha", &G::ForeAlpha, &G::SetForeAlpha, G::DefaultForeAlpha)
          .String("Suffix", &G::Suffix, &G::SetSuffix)
          .Build();
  return info;
}

bool TsGauge::Loading() const {
  return ComponentState().Contains(csLoading);
}

void TsGauge::Loaded() {
  TCustomControl::Loaded();
  sStyle_->BindSkin();
}

void TsGauge::Restyle() {
  sStyle_->SetCacheStale(true);
  Repaint();
}

// Range checks wait until loading ends, so a stored minimum may come before its maximum.
// The bounds of the message are worked out in 64 bits: at the ends of the range they pass
// them rather than wrap round.
void TsGauge::SetMinValue(std::int32_t value) {
  if (value == minValue_) return;
  if (!Loading() && value > maxValue_)
    throw EInvalidOperation(Format(RangeMessage, {-2147483647, std::int64_t{maxValue_} - 1}));
  minValue_ = value;
  progress_ = std::max(progress_, value);
  Restyle();
}

void TsGauge::SetMaxValue(std::int32_t value) {
  if (value == maxValue_) return;
  if (!Loading() && value < minValue_)
    throw EInvalidOperation(Format(RangeMessage, {std::int64_t{minValue_} + 1, 2147483647}));
  maxValue_ = value;
  progress_ = std::min(progress_, value);
  Restyle();
}

void TsGauge::SetProgress(std::int32_t value) {
  const int oldPercent = Percent();
  // Not std::clamp: a range stored upside down must not make the bounds cross.
  value = std::min(std::max(value, minValue_), maxValue_);
  if (value == progress_) return;
  progress_ = value;
  if (Percent() != oldPercent) Restyle();
  if (OnChange) OnChange(this);
}

void TsGauge::SetKind(TsGaugeKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  Restyle();
}

void TsGauge::SetShowText(bool showText) {
  if (showText == showText_) return;
  showText_ = showText;
  Restyle();
}

void TsGauge::SetForeAlpha(int foreAlpha) {
  foreAlpha = std::clamp(foreAlpha, 0, 100);
  if (foreAlpha == foreAlpha_) return;
  foreAlpha_ = foreAlpha;
  Restyle();
}

void TsGauge::SetSuffix(const std::string& suffix) {
  if (suffix == suffix_) return;
  suffix_ = suffix;
  sStyle_->Invalidate();
}

void TsGauge::SetBevelWidth(int bevelWidth) {
  if (bevelWidth == bevelWidth_) return;
  bevelWidth_ = bevelWidth;
  Restyle();
}

int TsGauge::Percent() const {
  if (maxValue_ == minValue_) return 0;
  // In 64 bits the widest range times 100 still fits.
  const std::int64_t percent =
      (std::int64_t{progress_} - minValue_) * 100 / (std::int64_t{maxValue_} - minValue_);
  return static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100));
}

void TsGauge::WndProc(TMessage& m) {
  if (sStyle_ && sStyle_->HandleMessage(m)) return;
  if (m.Msg == WM_ERASEBKGND) {
    // Paint covers every pixel; erasing first would only flicker.
    m.Result = 1;
    return;
  }
  TCustomControl::WndProc(m);
}

}  // namespace sGauge
