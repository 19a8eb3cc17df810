#include "framework/controls/Edit.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/ClientEdge.h"
#include "platform/graphics/Font.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Timers.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {

constexpr std::string_view CharCaseNames[] = {"ecNormal", "ecUpperCase", "ecLowerCase"};
constexpr std::uint32_t BlinkTimer = 1;
constexpr std::uint32_t BlinkMs = 530;
constexpr int TextMargin = 1;

std::string EncodeUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// A single-line field takes the first line of what is pasted.
std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

const TEnumType EditCharCaseType{"TEditCharCase", CharCaseNames};

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
  AdjustHeight();
}

TCustomEdit::~TCustomEdit() = default;

const TClassInfo& TCustomEdit::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TCustomEdit, TCustomControl>("TCustomEdit").Build();
  return info;
}

void TCustomEdit::SetText(const std::string& text) {
  const std::string cased = Cased(text);
  if (cased == Text()) return;
  TCustomControl::SetText(cased);
  text_.SetText(cased);
  scroll_ = 0;
  Edited(true);
}

void TCustomEdit::SetPasswordChar(std::uint8_t passwordChar) {
  if (passwordChar == passwordChar_) return;
  passwordChar_ = passwordChar;
  CaretMoved();
}

void TCustomEdit::SetCharCase(TEditCharCase charCase) {
  if (charCase == charCase_) return;
  charCase_ = charCase;
  SetText(Text());
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  if (style != bsNone && style != bsSingle)
    throw EInvalidOperation("An edit's border style is bsNone or bsSingle");
  if (style == borderStyle_) return;
  borderStyle_ = style;
  FrameChanged();
}

void TCustomEdit::SetCtl3D(bool ctl3D) {
  if (ctl3D == ctl3D_) return;
  ctl3D_ = ctl3D;
  FrameChanged();
}

void TCustomEdit::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustHeight();
}

void TCustomEdit::SetSelStart(int start) {
  text_.Select(start, 0);
  CaretMoved();
}

void TCustomEdit::SelectAll() {
  text_.Select(0, text_.Length());
  CaretMoved();
}

void TCustomEdit::ClearSelection() {
  Edited(text_.ReplaceSelection({}));
}

// A password never leaves the field through the clipboard.
void TCustomEdit::CopyToClipboard() {
  if (passwordChar_ == 0 && SelLength() > 0) SetClipboardText(SelText());
}

void TCustomEdit::CutToClipboard() {
  if (readOnly_ || passwordChar_ != 0) return;
  CopyToClipboard();
  ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
  if (!readOnly_) Insert(FirstLine(GetClipboardText()));
}

void TCustomEdit::Insert(const std::string& text) {
  Edited(text_.ReplaceSelection(Cased(text)));
}

void TCustomEdit::Edited(bool changed) {
  if (!changed) return;
  TCustomControl::SetText(text_.Text());
  CaretMoved();
  Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

std::string TCustomEdit::Cased(std::string text) const {
  if (charCase_ == ecNormal) return text;
  for (char& c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80)
      c = static_cast<char>(charCase_ == ecUpperCase ? std::toupper(u) : std::tolower(u));
  }
  return text;
}

// What the field shows of text: itself, or one password character per character.
std::string TCustomEdit::Masked(std::string_view text) const {
  if (passwordChar_ == 0) return std::string(text);
  return std::string(static_cast<std::size_t>(CharCount(text)), static_cast<char>(passwordChar_));
}

// The pixel offset of a text position from the text's start.
int TCustomEdit::TextX(int pos) const {
  const std::string_view text(text_.Text());
  return TextExtent(Font()->Data(), Masked(text.substr(0, static_cast<std::size_t>(pos)))).cx;
}

// The character boundary nearest to a client x. Widths grow with the prefix, so a binary
// search keeps clicks into very long text cheap.
int TCustomEdit::PosAt(int x) const {
  const int target = x - TextMargin + scroll_;
  int lo = 0;
  int hi = text_.Length();
  while (lo < hi) {
    const int mid = text_.NextPos(text_.Boundary(lo + (hi - lo) / 2));
    if (TextX(mid) <= target) {
      lo = mid;
    } else {
      hi = text_.PrevPos(mid);
    }
  }
  const int next = text_.NextPos(lo);
  return next != lo && TextX(next) - target < target - TextX(lo) ? next : lo;
}

// Scrolls the caret into view and shows it at once, restarting the blink.
void TCustomEdit::CaretMoved() {
  const int room = std::max(ClientWidth() - 2 * TextMargin, 1);
  const int caret = TextX(text_.Caret());
  const int textWidth = TextX(text_.Length());
  scroll_ = std::min(scroll_, std::max(textWidth - room + 1, 0));
  if (caret < scroll_) scroll_ = caret;
  if (caret >= scroll_ + room) scroll_ = caret - room + 1;
  if (Focused()) StartBlink();
  Invalidate();
}

void TCustomEdit::StartBlink() {
  caretOn_ = true;
  SetTimer(Handle(), BlinkTimer, BlinkMs);
}

void TCustomEdit::StopBlink() {
  caretOn_ = false;
  if (HandleAllocated()) KillTimer(Handle(), BlinkTimer);
}

int TCustomEdit::FrameWidth() const {
  return ClientEdgeWidth(borderStyle_, ctl3D_);
}

void TCustomEdit::FrameChanged() {
  ClientEdgeChanged(*this);
  AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
  if (!autoSize_) return;
  SetHeight(GetTextMetrics(Font()->Data()).Height + 2 * FrameWidth() + 4);
}

void TCustomEdit::PaintFrame() {
  if (FrameWidth() > 0) PaintClientEdge(*this, ctl3D_);
}

void TCustomEdit::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(client);
  const std::string shown = Masked(text_.Text());
  const int y = (client.Height() - TextExtent(Font()->Data(), shown).cy) / 2;
  const int x = TextMargin - scroll_;
  if (!Enabled()) canvas.Font()->SetColor(clGrayText);
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(x, y, shown);
  const bool focused = Focused();
  if (focused && SelLength() > 0) {
    const int left = x + TextX(SelStart());
    const int right = x + TextX(SelStart() + SelLength());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clHighlight);
    canvas.Font()->SetColor(clHighlightText);
    canvas.TextRect({left, client.Top, right, client.Bottom}, x, y, shown);
  }
  if (CaretVisible()) {
    const int caret = x + TextX(text_.Caret());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Font()->Color());
    canvas.FillRect({caret, y, caret + 1, y + GetTextMetrics(Font()->Data()).Height});
  }
}

void TCustomEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  const bool extend = shift.Contains(ssShift);
  const bool ctrl = shift.Contains(ssCtrl);
  const int caret = text_.Caret();
  // Without Shift an arrow first collapses a selection to its side.
  const bool collapse = !extend && SelLength() > 0;
  switch (key) {
    case VK_LEFT:
      text_.MoveCaret(collapse ? SelStart() : text_.PrevPos(caret), extend);
      CaretMoved();
      break;
    case VK_RIGHT:
      text_.MoveCaret(collapse ? SelStart() + SelLength() : text_.NextPos(caret), extend);
      CaretMoved();
      break;
    case VK_HOME:
      text_.MoveCaret(0, extend);
      CaretMoved();
      break;
    case VK_END:
      text_.MoveCaret(text_.Length(), extend);
      CaretMoved();
      break;
    case VK_DELETE:
      if (!readOnly_) Edited(text_.DeleteForward());
      break;
    case VK_BACK:
      if (!readOnly_) Edited(text_.DeleteBackward());
      break;
    case 'A':
    case 'C':
    case 'V':
    case 'X':
      if (!ctrl) return;
      if (key == 'A') SelectAll();
      if (key == 'C') CopyToClipboard();
      if (key == 'V') PasteFromClipboard();
      if (key == 'X') CutToClipboard();
      break;
    default:
      return;
  }
  key = 0;
}

void TCustomEdit::KeyPress(char& key) {
  TCustomControl::KeyPress(key);
  // Control characters (Backspace, Ctrl+letters) were handled as keys.
  if (static_cast<unsigned char>(key) < 0x20 || key == 0x7F) return;
  if (!readOnly_) Insert(std::string(1, key));
  key = 0;
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  text_.MoveCaret(PosAt(x), shift.Contains(ssShift));
  selecting_ = true;
  CaretMoved();
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!selecting_ || !shift.Contains(ssLeft)) {
    selecting_ = false;
    return;
  }
  text_.MoveCaret(PosAt(x), true);
  CaretMoved();
}

void TCustomEdit::DoEnter() {
  // A click that entered the field places the caret right after this.
  if (autoSelect_) SelectAll();
  TCustomControl::DoEnter();
}

void TCustomEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR:
      if (m.WParam < 0x80) break;
      if (!readOnly_) Insert(EncodeUtf8(static_cast<char32_t>(m.WParam)));
      return;
    case WM_SETFOCUS:
      StartBlink();
      Invalidate();
      break;
    case WM_KILLFOCUS:
      StopBlink();
      selecting_ = false;
      Invalidate();
      break;
    case WM_TIMER:
      if (m.WParam != BlinkTimer) break;
      caretOn_ = !caretOn_;
      Invalidate();
      return;
    case WM_NCCALCSIZE:
      TCustomControl::WndProc(m);
      ShrinkClientRect(m, FrameWidth());
      return;
    case WM_NCPAINT:
      TCustomControl::WndProc(m);
      PaintFrame();
      return;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(m);
      AdjustHeight();
      CaretMoved();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

const TClassInfo& TEdit::StaticClassInfo() {
  using E = TEdit;
  static const TClassInfo info =
      TClassBuilder<E, TCustomEdit>("TEdit")
          .Bool("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true)
          .Bool("AutoSize", &E::AutoSize, &E::SetAutoSize, true)
          .Enum("BorderStyle", BorderStyleType, &E::BorderStyle, &E::SetBorderStyle, bsSingle)
          .Enum("CharCase", EditCharCaseType, &E::CharCase, &E::SetCharCase, ecNormal)
          .Color("Color", &E::Color, &E::SetColor, clWindow)
          .Bool("Ctl3D", &E::Ctl3D, &E::SetCtl3D, true)
          .Int("MaxLength", &E::MaxLength, &E::SetMaxLength, 0)
          .Char("PasswordChar", &E::PasswordChar, &E::SetPasswordChar, 0)
          .Bool("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false)
          .Bool("TabStop", &E::TabStop, &E::SetTabStop, true)
          .String("Text", &E::Text, &E::SetText)
          .Event("OnChange", &E::OnChange)
          .Build();
  return info;
}

}  // namespace framework
