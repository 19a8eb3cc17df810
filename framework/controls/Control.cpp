#include "framework/controls/Control.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/MouseControl.h"
#include "framework/controls/WinControl.h"
#include "framework/forms/Menus.h"
#include "platform/window/Input.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {
constexpr std::string_view AlignNames[] = {"alNone", "alTop",   "alBottom",
                                           "alLeft", "alRight", "alClient"};
}

const TEnumType AlignType{"TAlign", AlignNames};

TShiftState MouseShift(WPARAM wParam) {
  TShiftState shift;
  if (wParam & MK_SHIFT) shift.Include(ssShift);
  if (wParam & MK_CONTROL) shift.Include(ssCtrl);
  if (wParam & MK_LBUTTON) shift.Include(ssLeft);
  if (wParam & MK_RBUTTON) shift.Include(ssRight);
  if (wParam & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TShiftState KeyboardShift() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      WindowProc([this](TMessage& m) { WndProc(m); }),
      font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TObject*) {
    if (!inheritingFont_) parentFont_ = false;
    Perform(CM_FONTCHANGED);
  };
}

TControl::~TControl() {
  ForgetMouseControl(this);
  if (parent_) parent_->RemoveControl(this);
}

const TClassInfo& TControl::StaticClassInfo() {
  using C = TControl;
  static const TClassInfo info =
      TClassBuilder<C, TComponent>("TControl")
          .Int("Left", &C::Left, &C::SetLeft, NoDefault)
          .Int("Top", &C::Top, &C::SetTop, NoDefault)
          .Int("Width", &C::Width, &C::SetWidth, NoDefault)
          .Int("Height", &C::Height, &C::SetHeight, NoDefault)
          .Enum("Align", AlignType, &C::Align, &C::SetAlign, alNone)
          .Color("Color", &C::Color, &C::SetColor, clBtnFace)
          .Bool("Enabled", &C::Enabled, &C::SetEnabled, true)
          .Object("Font", &C::Font)
          .String("Hint", &C::Hint, &C::SetHint)
          // Stored always and after Color and Font: setting those clears the flags.
          .Bool("ParentColor", &C::ParentColor, &C::SetParentColor, NoDefault)
          .Bool("ParentFont", &C::ParentFont, &C::SetParentFont, NoDefault)
          .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
          .Bool("ShowHint", &C::ShowHint, &C::SetShowHint, false)
          .Bool("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, NoDefault)
          .Bool("Visible", &C::Visible, &C::SetVisible, true)
          .Event("OnClick", &C::OnClick)
          .Event("OnDblClick", &C::OnDblClick)
          .Event("OnMouseDown", &C::OnMouseDown)
          .Event("OnMouseMove", &C::OnMouseMove)
          .Event("OnMouseUp", &C::OnMouseUp)
          .Event("OnMouseEnter", &C::OnMouseEnter)
          .Event("OnMouseLeave", &C::OnMouseLeave)
          .Build();
  return info;
}

LRESULT TControl::Perform(std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (const TControl* p = parent; p; p = p->parent_)
    if (p == this) throw EInvalidOperation("A control cannot have itself or a child as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
  Perform(CM_PARENTCOLORCHANGED);
  Perform(CM_PARENTFONTCHANGED);
  Perform(CM_PARENTSHOWHINTCHANGED);
}

TComponent* TControl::GetParentComponent() const {
  return parent_;
}

void TControl::SetParentComponent(TComponent* parent) {
  if (!parent) {
    SetParent(nullptr);
    return;
  }
  auto* window = dynamic_cast<TWinControl*>(parent);
  if (!window) throw EInvalidOperation(Format("Control '%s' has no parent window", {Name()}));
  SetParent(window);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  const TRect next = TRect::FromBounds(left, top, std::max(width, 0), std::max(height, 0));
  if (next == bounds_) return;
  Invalidate();
  bounds_ = next;
  Invalidate();
  RealignParent();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->AlignControls();
}

void TControl::RealignParent() {
  if (align_ != alNone && parent_) parent_->AlignControls();
}

TPoint TControl::ClientOrigin() const {
  const TPoint origin = parent_ ? parent_->ClientOrigin() : TPoint{};
  return origin + bounds_.TopLeft();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible);
}

bool TControl::Showing() const {
  return visible_ && (!parent_ || parent_->Showing());
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  if (parentColor) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) return;
  parentFont_ = parentFont;
  if (parentFont) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetShowHint(bool showHint) {
  if (showHint == showHint_) return;
  showHint_ = showHint;
  parentShowHint_ = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool parentShowHint) {
  if (parentShowHint == parentShowHint_) return;
  parentShowHint_ = parentShowHint;
  if (parentShowHint) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::InheritShowHint() {
  if (!parentShowHint_ || !parent_ || parent_->showHint_ == showHint_) return;
  showHint_ = parent_->showHint_;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::InheritColor() {
  if (!parentColor_ || !parent_ || parent_->color_ == color_) return;
  color_ = parent_->color_;
  Perform(CM_COLORCHANGED);
}

void TControl::InheritFont() {
  if (!parentFont_ || !parent_) return;
  inheritingFont_ = true;
  try {
    font_->Assign(parent_->font_.get());
  } catch (...) {
    inheritingFont_ = false;
    throw;
  }
  inheritingFont_ = false;
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& siblings = parent_->controls_;
  const auto it = std::find(siblings.begin(), siblings.end(), this);
  if (it == siblings.end()) return;
  std::rotate(siblings.begin(), it, it + 1);
  if (auto* window = dynamic_cast<TWinControl*>(this); window && window->HandleAllocated())
    SetWindowZOrder(window->Handle(), ZOrder::Bottom);
  Invalidate();
}

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated()) InvalidateRect(parent_->Handle(), &bounds_, true);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

bool TControl::MouseCapture() const {
  return parent_ && parent_->captureControl_ == this && parent_->HandleAllocated() &&
         GetCapture() == parent_->Handle();
}

void TControl::SetMouseCapture(bool capture) {
  if (!parent_ || !parent_->HandleAllocated()) return;
  if (capture) {
    parent_->captureControl_ = this;
    SetCapture(parent_->Handle());
  } else if (parent_->captureControl_ == this) {
    parent_->captureControl_ = nullptr;
    if (GetCapture() == parent_->Handle()) ReleaseCapture();
  }
}

void TControl::WndProc(TMessage& m) {
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST && m.Msg != WM_MOUSEWHEEL) {
    HandleMouse(m);
    DefaultHandler(m);
    return;
  }
  switch (m.Msg) {
    case CM_MOUSEENTER:
      MouseEnter();
      return;
    case CM_MOUSELEAVE:
      MouseLeave();
      return;
    case CM_PARENTCOLORCHANGED:
      InheritColor();
      return;
    case CM_PARENTFONTCHANGED:
      InheritFont();
      return;
    case CM_PARENTSHOWHINTCHANGED:
      InheritShowHint();
      return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      return;
    case CM_VISIBLECHANGED:
      VisibleChanged();
      return;
    case CM_ENABLEDCHANGED:
      EnabledChanged();
      return;
    default:
      DefaultHandler(m);
  }
}

void TControl::DefaultHandler(TMessage& /*message*/) {}

void TControl::HandleMouse(TMessage& m) {
  const auto [x, y] = PointOf(m);
  const TShiftState shift = MouseShift(m.WParam);
  auto buttonOf = [](std::uint32_t msg) {
    switch (msg) {
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP:
      case WM_RBUTTONDBLCLK:
        return mbRight;
      case WM_MBUTTONDOWN:
      case WM_MBUTTONUP:
      case WM_MBUTTONDBLCLK:
        return mbMiddle;
      default:
        return mbLeft;
    }
  };
  const TMouseButton button = buttonOf(m.Msg);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (button == mbLeft && controlStyle_.Contains(csClickEvents)) clicked_ = true;
      MouseDown(button, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (button == mbLeft && controlStyle_.Contains(csDoubleClicks)) DblClick();
      MouseDown(button, shift + TShiftState{ssDouble}, x, y);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      // The click counts only where the press began and the release ended inside.
      const bool clicked = button == mbLeft && clicked_;
      if (button == mbLeft) clicked_ = false;
      if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
      if (clicked && ClientRect().Contains({x, y})) Click();
      MouseUp(button, shift, x, y);
      if (button == mbRight && popupMenu_ && ClientRect().Contains({x, y})) {
        const TPoint at = ClientToScreen({x, y});
        popupMenu_->Popup(at.X, at.Y);
      }
      break;
    }
    default:
      break;
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::VisibleChanged() {
  if (parent_ && parent_->HandleAllocated()) InvalidateRect(parent_->Handle(), &bounds_, true);
  RealignParent();
}

void TControl::EnabledChanged() {
  Invalidate();
}

}  // namespace framework
