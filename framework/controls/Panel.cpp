#include "framework/controls/Panel.h"

#include <algorithm>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Frame3D.h"
#include "platform/graphics/Canvas.h"
#include "platform/window/Messages.h"

namespace framework {

using namespace platform;

namespace {

constexpr std::string_view BevelNames[] = {"bvNone", "bvLowered", "bvRaised"};

void DrawBevel(TCanvas& canvas, TRect& r, TPanelBevel bevel, int width) {
  if (bevel == bvNone) return;
  const bool raised = bevel == bvRaised;
  r = Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow,
              raised ? clBtnShadow : clBtnHighlight, width);
}

}  // namespace

const TEnumType PanelBevelType{"TPanelBevel", BevelNames};

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  SetControlStyle(style);
  SetBounds(0, 0, 185, 41);
}

TPanel::~TPanel() = default;

const TClassInfo& TPanel::StaticClassInfo() {
  using P = TPanel;
  static const TClassInfo info =
      TClassBuilder<P, TCustomControl>("TPanel")
          .Enum("Alignment", AlignmentType, &P::Alignment, &P::SetAlignment, taCenter)
          .Enum("BevelInner", PanelBevelType, &P::BevelInner, &P::SetBevelInner, bvNone)
          .Enum("BevelOuter", PanelBevelType, &P::BevelOuter, &P::SetBevelOuter, bvRaised)
          .Int("BevelWidth", &P::BevelWidth, &P::SetBevelWidth, 1)
          .String("Caption", &P::Caption, &P::SetCaption)
          .Build();
  return info;
}

void TPanel::SetBevelInner(TPanelBevel bevel) {
  if (bevel == bevelInner_) return;
  bevelInner_ = bevel;
  FrameChanged();
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  FrameChanged();
}

void TPanel::SetBevelWidth(int width) {
  if (width < 1 || width > 1000) throw EInvalidOperation(Format("Invalid bevel width %d", {width}));
  if (width == bevelWidth_) return;
  bevelWidth_ = width;
  FrameChanged();
}

void TPanel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

int TPanel::FrameWidth() const {
  return bevelWidth_ * ((bevelInner_ != bvNone ? 1 : 0) + (bevelOuter_ != bvNone ? 1 : 0));
}

// What lies inside the bevels, where aligned children go.
TRect TPanel::ClientRect() const {
  const TRect all = TCustomControl::ClientRect();
  const int w = std::min(FrameWidth(), all.Width() / 2);
  const int h = std::min(FrameWidth(), all.Height() / 2);
  return all.Inflate(-w, -h);
}

void TPanel::FrameChanged() {
  AlignControls();
  Invalidate();
}

void TPanel::Paint() {
  TCanvas& canvas = *Canvas();
  TRect r = TCustomControl::ClientRect();
  DrawBevel(canvas, r, bevelOuter_, bevelWidth_);
  DrawBevel(canvas, r, bevelInner_, bevelWidth_);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(r);
  canvas.Brush()->SetStyle(bsClear);
  const unsigned align = alignment_ == taCenter         ? DT_CENTER
                         : alignment_ == taRightJustify ? DT_RIGHT
                                                        : DT_LEFT;
  canvas.DrawText(Caption(), r, DT_SINGLELINE | DT_VCENTER | align);
}

void TPanel::WndProc(TMessage& m) {
  TCustomControl::WndProc(m);
  if (m.Msg == WM_SIZE) Invalidate();
}

}  // namespace framework
