#include "framework/controls/Label.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/TextLayout.h"

namespace framework {

using namespace platform;

namespace {
constexpr std::string_view AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view LayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};
}  // namespace

const TEnumType AlignmentType{"TAlignment", AlignmentNames};
const TEnumType TextLayoutType{"TTextLayout", LayoutNames};

char AccelChar(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&')
      return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    ++i;
  }
  return 0;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  AdjustBounds();
}

TLabel::~TLabel() = default;

const TClassInfo& TLabel::StaticClassInfo() {
  using L = TLabel;
  static const TClassInfo info =
      TClassBuilder<L, TGraphicControl>("TLabel")
          .Enum("Alignment", AlignmentType, &L::Alignment, &L::SetAlignment, taLeftJustify)
          .Bool("AutoSize", &L::AutoSize, &L::SetAutoSize, true)
          .String("Caption", &L::Caption, &L::SetCaption)
          .Component("FocusControl", &L::FocusControl, &L::SetFocusControl)
          .Enum("Layout", TextLayoutType, &L::Layout, &L::SetLayout, tlTop)
          .Bool("Transparent", &L::Transparent, &L::SetTransparent, false)
          .Bool("WordWrap", &L::WordWrap, &L::SetWordWrap, false)
          .Build();
  return info;
}

void TLabel::SetText(const std::string& text) {
  TGraphicControl::SetText(text);
  Changed();
}

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  Changed();
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Changed();
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
  if (control == focusControl_) return;
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = control;
  if (control) control->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

unsigned TLabel::TextFlags() const {
  return wordWrap_ ? static_cast<unsigned>(DT_WORDBREAK) : 0U;
}

void TLabel::Changed() {
  AdjustBounds();
  Invalidate();
}

// Fits the bounds to the text; a right-aligned label keeps its right edge.
void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  const auto lines =
      LayoutText(GetScaledFont(Font()->Data()), Caption(), TextFlags(), wordWrap_ ? Width() : 0);
  int width = 0;
  for (const TextLine& line : lines) width = std::max(width, line.Width);
  const int cell = GetTextMetrics(Font()->Data()).Height;
  const int height = cell * std::max(static_cast<int>(lines.size()), 1);
  if (wordWrap_) width = Width();
  const int left = alignment_ == taRightJustify ? Left() + Width() - width : Left();
  SetBounds(left, Top(), width, height);
}

void TLabel::Paint() {
  TCanvas& canvas = *Canvas();
  TRect r = ClientRect();
  if (!transparent_) {
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
  }
  canvas.Brush()->SetStyle(bsClear);
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  const unsigned align = alignment_ == taCenter         ? DT_CENTER
                         : alignment_ == taRightJustify ? DT_RIGHT
                                                        : DT_LEFT;
  if (layout_ != tlTop) {
    TRect measured = r;
    canvas.DrawText(Caption(), measured, TextFlags() | DT_CALCRECT);
    const int spare = r.Height() - measured.Height();
    r.Top += layout_ == tlCenter ? spare / 2 : spare;
  }
  canvas.DrawText(Caption(), r, TextFlags() | align);
}

void TLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR:
      if (focusControl_ && m.WParam < 0x80 && AccelChar(Caption()) != 0 &&
          AccelChar(Caption()) == std::tolower(static_cast<int>(m.WParam)) &&
          focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        m.Result = 1;
      }
      return;
    case CM_FONTCHANGED:
      TGraphicControl::WndProc(m);
      Changed();
      return;
    default:
      TGraphicControl::WndProc(m);
  }
}

}  // namespace framework
