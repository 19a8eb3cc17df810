#include "controls/sGauge.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "controls/sPlainPaint.h"
#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Frame3D.h"
#include "platform/window/Messages.h"

namespace sGauge {

using namespace framework;
using namespace platform;

namespace {

constexpr std::string_view KindNames[] = {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie",
                                          "gkNeedle"};
constexpr const char* RangeMessage = "Value must be between %d and %d";
// The plain look draws its figure in the selection colour.
constexpr TColor FigureColor = clHighlight;

// The point at angle f (radians, 0 pointing left, growing clockwise) on the ellipse of
// half-axes a and b around the centre (a, b) of a box at origin.
TPoint OnEllipse(TPoint origin, int a, int b, double f) {
  return {origin.X + static_cast<int>(std::lround((1 - std::cos(f)) * a)),
          origin.Y + static_cast<int>(std::lround((1 - std::sin(f)) * b))};
}

}  // namespace

const TEnumType GaugeKindType{"TsGaugeKind", KindNames};

TsGauge::TsGauge(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 120, 30);
}

const TClassInfo& TsGauge::StaticClassInfo() {
  using G = TsGauge;
  static const TClassInfo info =
      TClassBuilder<G, TCustomControl>("TsGauge")
          .Int("MinValue", &G::MinValue, &G::SetMinValue, G::DefaultMinValue)
          .Int("MaxValue", &G::MaxValue, &G::SetMaxValue, G::DefaultMaxValue)
          .Int("Progress", &G::Progress, &G::SetProgress, G::DefaultProgress)
          .Enum("Kind", GaugeKindType, &G::Kind, &G::SetKind, G::DefaultKind)
          .Bool("ShowText", &G::ShowText, &G::SetShowText, G::DefaultShowText)
          .Event("OnChange", &G::OnChange)
          .String("Suffix", &G::Suffix, &G::SetSuffix)
          .Build();
  return info;
}

bool TsGauge::Loading() const {
  return ComponentState().Contains(csLoading);
}

// Range checks wait until loading ends, so a stored minimum may come before its maximum.
void TsGauge::SetMinValue(std::int32_t value) {
  if (value == minValue_) return;
  if (!Loading() && value > maxValue_)
    throw EInvalidOperation(Format(RangeMessage, {-2147483647, std::int64_t{maxValue_} - 1}));
  minValue_ = value;
  progress_ = std::max(progress_, value);
  Repaint();
}

void TsGauge::SetMaxValue(std::int32_t value) {
  if (value == maxValue_) return;
  if (!Loading() && value < minValue_)
    throw EInvalidOperation(Format(RangeMessage, {std::int64_t{minValue_} + 1, 2147483647}));
  maxValue_ = value;
  progress_ = std::min(progress_, value);
  Repaint();
}

void TsGauge::SetProgress(std::int32_t value) {
  const int oldPercent = Percent();
  // Not std::clamp: a range stored upside down must not make the bounds cross.
  value = std::min(std::max(value, minValue_), maxValue_);
  if (value == progress_) return;
  progress_ = value;
  if (Percent() != oldPercent) Repaint();
  if (OnChange) OnChange(this);
}

void TsGauge::SetKind(TsGaugeKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  Repaint();
}

void TsGauge::SetShowText(bool showText) {
  if (showText == showText_) return;
  showText_ = showText;
  Repaint();
}

void TsGauge::SetSuffix(const std::string& suffix) {
  if (suffix == suffix_) return;
  suffix_ = suffix;
  Invalidate();
}

int TsGauge::Percent() const {
  if (maxValue_ == minValue_) return 0;
  // In 64 bits the widest range times 100 still fits.
  const std::int64_t percent =
      (std::int64_t{progress_} - minValue_) * 100 / (std::int64_t{maxValue_} - minValue_);
  return static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100));
}

void TsGauge::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    // Paint covers every pixel; erasing first would only flicker.
    m.Result = 1;
    return;
  }
  TCustomControl::WndProc(m);
}

void TsGauge::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect inner = Frame3D(canvas, ClientRect(), clBtnShadow, clBtnHighlight, 1);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(inner);
  const int percent = Percent();
  PaintFigure(canvas, inner, percent);
  if (showText_)
    sPlainPaint::DrawCaption(canvas, PercentText(), inner,
                             DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS, Enabled());
}

void TsGauge::PaintFigure(TCanvas& canvas, const TRect& r, int percent) {
  const int w = r.Width();
  const int h = r.Height();
  canvas.Brush()->SetColor(FigureColor);
  canvas.Pen()->SetColor(FigureColor);
  canvas.Pen()->SetWidth(1);
  switch (kind_) {
    case gkText:
      break;
    case gkHorizontalBar:
      canvas.FillRect({r.Left, r.Top, r.Left + w * percent / 100, r.Bottom});
      break;
    case gkVerticalBar:
      canvas.FillRect({r.Left, r.Bottom - h * percent / 100, r.Right, r.Bottom});
      break;
    case gkPie: {
      // The sector starts at twelve o'clock and grows clockwise.
      canvas.Brush()->SetStyle(bsClear);
      canvas.Ellipse(r);
      if (percent == 0) break;
      canvas.Brush()->SetStyle(bsSolid);
      const double f = (percent / 50.0 + 0.5) * std::numbers::pi;
      const TPoint start = OnEllipse(r.TopLeft(), w / 2, h / 2, f);
      canvas.Pie(r.Left, r.Top, r.Right, r.Bottom, start.X, start.Y, r.Left + w / 2, r.Top);
      break;
    }
    case gkNeedle: {
      // An upper half dial; the needle points left at 0, up at 50 and right at 100 percent.
      canvas.Brush()->SetStyle(bsClear);
      const int base = r.Bottom - 1;
      canvas.Pie(r.Left, r.Top, r.Right, r.Top + 2 * h - 1, r.Right, base, r.Left, base);
      if (percent == 0) break;
      const TPoint tip = OnEllipse(r.TopLeft(), w / 2, h - 1, percent / 100.0 * std::numbers::pi);
      canvas.MoveTo(r.Left + w / 2, base);
      canvas.LineTo(tip.X, tip.Y);
      break;
    }
  }
}

}  // namespace sGauge
