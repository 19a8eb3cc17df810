#include "skinengine/controls/sCustomLabel.h"

#include <cctype>

#include "framework/classes/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"
#include "platform/window/Messages.h"
#include "skinengine/controls/sPlainPaint.h"
#include "skinengine/style/sStyleCompose.h"
#include "skinengine/style/sStyleSimply.h"

namespace sCustomLabel {

using namespace framework;
using namespace platform;

TsCustomLabel::TsCustomLabel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 65, 17);
  // Without a parent to follow the label shows its declared colour.
  SetColor(DefaultColor);
  SetParentColor(true);
}

TsCustomLabel::~TsCustomLabel() = default;

const TClassInfo& TsCustomLabel::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TsCustomLabel, TCustomControl>("TsCustomLabel").Build();
  return info;
}

void TsCustomLabel::SetFocusControl(TWinControl* control) {
  if (!Parent() || control == focusControl_) return;
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = control;
  if (control) control->FreeNotification(this);
}

void TsCustomLabel::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TsCustomLabel::SetAlignment(TAlignment alignment) {
  if (!Parent() || alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TsCustomLabel::SetAutoSize(bool autoSize) {
  if (!Parent() || autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TsCustomLabel::SetLayout(TTextLayout layout) {
  if (!Parent() || layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TsCustomLabel::SetWordWrap(bool wordWrap) {
  if (!Parent() || wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  AdjustBounds();
  Invalidate();
}

void TsCustomLabel::SetShowAccelChar(bool showAccelChar) {
  if (!Parent() || showAccelChar == showAccelChar_) return;
  showAccelChar_ = showAccelChar;
  Invalidate();
}

void TsCustomLabel::SetTransparent(bool transparent) {
  if (!Parent() || transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

std::string TsCustomLabel::GetLabelText() const {
  return Parent() ? Caption() : std::string();
}

const TFont* TsCustomLabel::GetLabelFont() const {
  return Parent() ? Font() : nullptr;
}

unsigned TsCustomLabel::TextFlags() const {
  const unsigned align = alignment_ == taCenter         ? DT_CENTER
                         : alignment_ == taRightJustify ? DT_RIGHT
                                                        : DT_LEFT;
  return align | (wordWrap_ ? DT_WORDBREAK : 0U) | DT_EXPANDTABS;
}

void TsCustomLabel::AdjustBounds() {
  if (!Parent()) return;
  if (!ComponentState().Contains(csReading) && autoSize_) {
    TBitmap screen;
    screen.SetSize(1, 1);
    TRect r = ClientRect();
    DoDrawText(*screen.Canvas(), r, (wordWrap_ ? DT_WORDBREAK : 0U) | DT_CALCRECT | DT_EXPANDTABS);
    const int left = alignment_ == taRightJustify ? Left() + Width() - r.Width() : Left();
    SetBounds(left, Top(), r.Width(), r.Height());
  }
  SendToBack();
}

void TsCustomLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) {
  if (!Parent()) return;
  std::string text = GetLabelText();
  // An empty caption still measures one line high.
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (const TFont* font = GetLabelFont()) canvas.SetFont(font);
  // Measuring writes the text's extent back into rect; only drawing may emboss.
  if (Enabled() || (flags & DT_CALCRECT)) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  sPlainPaint::DrawCaption(canvas, text, rect, flags, false);
}

void TsCustomLabel::Paint() {
  const TComponentState state = ComponentState();
  if (!Parent() || state.Contains(csLoading) || state.Contains(csDestroying)) return;
  TCanvas& canvas = *Canvas();
  PaintBackground(canvas);
  canvas.Brush()->SetStyle(bsClear);
  TRect r = ClientRect();
  if (layout_ != tlTop) {
    TRect measured = r;
    DoDrawText(canvas, measured, TextFlags() | DT_CALCRECT);
    const int spare = r.Height() - measured.Bottom;
    r = r.Offset(0, layout_ == tlBottom ? spare : spare / 2);
  }
  DoDrawText(canvas, r, TextFlags());
}

// The parent's picture under the label, where it has one; the label's colour elsewhere.
void TsCustomLabel::PaintBackground(TCanvas& canvas) {
  const auto parent = transparent_ ? sStyleSimply::ParentBackgroundOf(*this) : std::nullopt;
  if (!parent) {
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    return;
  }
  Bitmap picture(Width(), Height());
  picture.Fill(ColorToRGB(Color()));
  sStyleUtil::CopyParentBackground(picture, *parent,
                                   sStyleUtil::ParentSourceRect(*parent, BoundsRect()));
  if (platform::Canvas* dc = canvas.Handle()) dc->Draw(0, 0, picture);
}

bool TsCustomLabel::CanFocusTarget() const {
  return focusControl_ && Enabled() && showAccelChar_ && focusControl_->CanFocus();
}

void TsCustomLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      // Paint covers every pixel.
      m.Result = 1;
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(m);
      mouseInside_ = m.Msg == CM_MOUSEENTER;
      Repaint();
      return;
    case WM_LBUTTONDOWN:
      if (CanFocusTarget()) focusControl_->SetFocus();
      break;
    default:
      break;
  }
  if (!Parent()) return TCustomControl::WndProc(m);
  switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TCustomControl::WndProc(m);
      AdjustBounds();
      return;
    case CM_DIALOGCHAR:
      if (CanFocusTarget() && m.WParam < 0x80 && AccelChar(Caption()) != 0 &&
          AccelChar(Caption()) == std::tolower(static_cast<int>(m.WParam))) {
        focusControl_->SetFocus();
        m.Result = 1;
      }
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

void TsCustomLabel::Loaded() {
  TCustomControl::Loaded();
  AdjustBounds();
}

const TClassInfo& TsLabel::StaticClassInfo() {
  using L = TsLabel;
  static const TClassInfo info =
      TClassBuilder<L, TsCustomLabel>("TsLabel")
          .Enum("Alignment", AlignmentType, &L::Alignment, &L::SetAlignment, L::DefaultAlignment)
          .Bool("AutoSize", &L::AutoSize, &L::SetAutoSize, L::DefaultAutoSize)
          .String("Caption", &L::Caption, &L::SetCaption)
          .Color("Color", &L::Color, &L::SetColor, L::DefaultColor)
          .Component("FocusControl", &L::FocusControl, &L::SetFocusControl)
          .Bool("ShowAccelChar", &L::ShowAccelChar, &L::SetShowAccelChar, L::DefaultShowAccelChar)
          .Bool("Transparent", &L::Transparent, &L::SetTransparent, L::DefaultTransparent)
          .Enum("Layout", TextLayoutType, &L::Layout, &L::SetLayout, L::DefaultLayout)
          .Bool("WordWrap", &L::WordWrap, &L::SetWordWrap, L::DefaultWordWrap)
          .Build();
  return info;
}

}  // namespace sCustomLabel
