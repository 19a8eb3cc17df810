#include "framework/forms/Form.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/HandleException.h"
#include "framework/forms/Application.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {
constexpr std::string_view BorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize",
                                                "biHelp"};
constexpr std::string_view PositionNames[] = {
    "poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
    "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
constexpr std::string_view WindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};

constexpr std::uint32_t FrameStyles =
    WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr std::uint32_t FrameExStyles = WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP;
}  // namespace

const TEnumType BorderIconType{"TBorderIcon", BorderIconNames};
const TEnumType PositionType{"TPosition", PositionNames};
const TEnumType WindowStateType{"TWindowState", WindowStateNames};

const TClassInfo& TFormMenu::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TFormMenu, TComponent>("TFormMenu").Build();
  return info;
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), icon_(std::make_unique<TPicture>()) {
  SetVisible(false);
  SetParentColor(false);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  CreateHandle();
}

TCustomForm::~TCustomForm() {
  // The controls are freed while the form's window and lists still exist.
  DestroyComponents();
}

const TClassInfo& TCustomForm::StaticClassInfo() {
  using F = TCustomForm;
  static const TClassInfo info =
      TClassBuilder<F, TWinControl>("TCustomForm")
          .Component("ActiveControl", &F::ActiveControl, &F::SetActiveControl)
          .Bool("AutoScroll", &F::AutoScroll, &F::SetAutoScroll, true)
          .Set("BorderIcons", BorderIconType, &F::BorderIcons, &F::SetBorderIcons,
               TBorderIcons{biSystemMenu, biMinimize, biMaximize})
          .Enum("BorderStyle", FormBorderStyleType, &F::BorderStyle, &F::SetBorderStyle, bsSizeable)
          .String("Caption", &F::Caption, &F::SetCaption)
          .Int("ClientHeight", &F::ClientHeight, &F::SetClientHeight, NoDefault)
          .Int("ClientWidth", &F::ClientWidth, &F::SetClientWidth, NoDefault)
          .Object("Icon", &F::Icon)
          .Component("Menu", &F::Menu, &F::SetMenu)
          .Enum("Position", PositionType, &F::Position, &F::SetPosition, poDesigned)
          .Bool("Visible", &F::Visible, &F::SetVisible, false)
          .Enum("WindowState", WindowStateType, &F::WindowState, &F::SetWindowState, wsNormal)
          .Event("OnCreate", &F::OnCreate)
          .Event("OnShow", &F::OnShow)
          .Build();
  return info;
}

const TClassInfo& TForm::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TForm, TCustomForm>("TForm").Build();
  return info;
}

void TCustomForm::LoadDescription(std::string_view text, const TClassRegistry& classes,
                                  const TResourceResolver& resources) {
  ReadDescription(text, *this, classes, resources);
  try {
    if (OnCreate) OnCreate(this);
  } catch (const std::exception& e) {
    HandleException(e);
  }
}

void TCustomForm::CreateParams(platform::CreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = (params.Style & ~WS_CHILD) | WS_OVERLAPPED;
  params.Parent = NullWindow;
  params.Style &= ~FrameStyles;
  params.ExStyle &= ~FrameExStyles;
  switch (borderStyle_) {
    case bsNone:
      params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsDialog:
      params.Style |= WS_CAPTION;
      break;
    case bsToolWindow:
      params.Style |= WS_CAPTION;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeable:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
  }
  if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    const bool boxes = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
    if (boxes && borderIcons_.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (boxes && borderIcons_.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    if (borderIcons_.Contains(biHelp)) params.ExStyle |= WS_EX_CONTEXTHELP;
  }
}

// The frame follows the border style and icons; the client area keeps its size.
void TCustomForm::ApplyFrameStyle() {
  if (!HandleAllocated()) return;
  platform::CreateParams params;
  CreateParams(params);
  const TRect client = ClientRect();
  const std::uint32_t style = GetWindowStyle(Handle());
  SetWindowStyle(Handle(), (style & ~FrameStyles) | (params.Style & FrameStyles));
  ResizeClient(client.Width(), client.Height());
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  ApplyFrameStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  ApplyFrameStyle();
}

void TCustomForm::SetWindowState(TWindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  if (!Visible() || !HandleAllocated()) return;
  ShowWindow(Handle(), state == wsMaximized   ? ShowCommand::Maximize
                       : state == wsMinimized ? ShowCommand::Minimize
                                              : ShowCommand::Restore);
}

void TCustomForm::SetClientWidth(int width) {
  if (ComponentState().Contains(csLoading)) {
    wantedClientWidth_ = width;
  } else {
    ResizeClient(width, ClientHeight());
  }
}

void TCustomForm::SetClientHeight(int height) {
  if (ComponentState().Contains(csLoading)) {
    wantedClientHeight_ = height;
  } else {
    ResizeClient(ClientWidth(), height);
  }
}

void TCustomForm::ResizeClient(int width, int height) {
  SetBounds(Left(), Top(), width + Width() - ClientWidth(), height + Height() - ClientHeight());
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  ResizeClient(wantedClientWidth_.value_or(ClientWidth()),
               wantedClientHeight_.value_or(ClientHeight()));
  wantedClientWidth_.reset();
  wantedClientHeight_.reset();
}

void TCustomForm::SetMenu(TFormMenu* menu) {
  if (menu == menu_) return;
  if (menu_) menu_->RemoveFreeNotification(this);
  menu_ = menu;
  if (menu_) menu_->FreeNotification(this);
  MenuChanged();
}

void TCustomForm::MenuChanged() {
  if (!HandleAllocated()) return;
  const TRect client = ClientRect();
  platform::SetMenu(Handle(), menu_ ? menu_->MenuHandle() : NullMenu);
  ResizeClient(client.Width(), client.Height());
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == menu_) {
    menu_ = nullptr;
    if (HandleAllocated()) platform::SetMenu(Handle(), NullMenu);
  }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && (control == this || !ContainsControl(control)))
    throw EInvalidOperation("Invalid control: it does not lie on this form");
  if (control && Visible() && control->CanFocus() && GetActiveWindow() == Handle()) {
    control->SetFocus();
    return;
  }
  activeControl_ = control;
}

void TCustomForm::ControlRemoved(TControl* control) {
  auto inside = [control](TWinControl* c) {
    if (!c) return false;
    const auto* window = dynamic_cast<TWinControl*>(control);
    return c == control || (window && window->ContainsControl(c));
  };
  if (inside(activeControl_)) activeControl_ = nullptr;
}

// The control that took the focus is entered after the one left has run its OnExit; when
// that handler moves the focus on (back to itself, say), the move it started wins. The form
// itself taking the focus leaves no control active.
void TCustomForm::FocusChanged(TWinControl* control) {
  TWinControl* entered = control == this ? nullptr : control;
  const unsigned stamp = ++focusChanges_;
  if (activeControl_ == entered) return;
  if (TWinControl* left = activeControl_) {
    try {
      left->Perform(CM_EXIT);
    } catch (...) {
      // The control left is not exited twice.
      if (stamp == focusChanges_) activeControl_ = entered;
      throw;
    }
    if (stamp != focusChanges_) return;
  }
  activeControl_ = entered;
  if (entered) entered->Perform(CM_ENTER);
}

bool TCustomForm::DialogKey(std::uint16_t key, TShiftState shift) {
  if (key != VK_TAB || shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return false;
  SelectNext(activeControl_, !shift.Contains(ssShift), true);
  return true;
}

void TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_FOCUSCHANGED:
      FocusChanged(FocusedControlOf(m));
      return;
    case CM_DIALOGKEY:
      m.Result = DialogKey(static_cast<std::uint16_t>(m.WParam),
                           TShiftState::FromBits(static_cast<std::uint32_t>(m.LParam)))
                     ? 1
                     : 0;
      return;
    case CM_CHILDKEY:
      m.Result =
          menu_ && menu_->IsShortCut(static_cast<std::uint16_t>(m.WParam), KeyboardShift()) ? 1 : 0;
      return;
    case WM_COMMAND:
      if (menu_ && menu_->DispatchCommand(CommandOf(m))) return;
      break;
    case WM_MEASUREITEM:
      if (menu_ && menu_->MeasureItem(MeasureItemOf(m))) {
        m.Result = 1;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (menu_ && menu_->DrawItem(DrawItemOf(m))) {
        m.Result = 1;
        return;
      }
      break;
    case WM_ACTIVATE:
      if (ActivationOf(m) == WA_INACTIVE) {
        // A hint belongs to the window the user works in.
        if (TApplication* app = Application()) app->CancelHint();
      } else {
        // A form activated with no control chosen yet gives the focus to the first one in
        // tab order, so typing goes somewhere at once.
        TWinControl* target = activeControl_ && activeControl_->CanFocus()
                                  ? activeControl_
                                  : FindNextControl(nullptr, true, true);
        if (target) {
          target->SetFocus();
          return;
        }
      }
      break;
    case WM_CLOSE:
      Close();
      return;
    case WM_SIZE:
      windowState_ = m.WParam == SIZE_MAXIMIZED   ? wsMaximized
                     : m.WParam == SIZE_MINIMIZED ? wsMinimized
                                                  : wsNormal;
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

void TCustomForm::Close() {
  if (TApplication* app = Application(); app && app->MainForm() == this) {
    app->Terminate();
  } else {
    Hide();
  }
}

void TCustomForm::ShowForm() {
  SetVisible(true);
  if (HandleAllocated()) SetActiveWindow(Handle());
}

void TCustomForm::VisibleChanged() {
  if (!HandleAllocated()) return;
  if (!Visible()) {
    ShowWindow(Handle(), ShowCommand::Hide);
    return;
  }
  if (!shown_) {
    shown_ = true;
    PlaceOnScreen();
  }
  ShowWindow(Handle(), windowState_ == wsMaximized   ? ShowCommand::Maximize
                       : windowState_ == wsMinimized ? ShowCommand::Minimize
                                                     : ShowCommand::ShowNormal);
  if (OnShow) OnShow(this);
}

void TCustomForm::PlaceOnScreen() {
  if (position_ != poScreenCenter && position_ != poDesktopCenter) return;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetBounds((screenWidth - Width()) / 2, (screenHeight - Height()) / 2, Width(), Height());
}

TCustomForm* GetParentForm(TControl* control) {
  TControl* top = control;
  while (top && top->Parent()) top = top->Parent();
  return dynamic_cast<TCustomForm*>(top);
}

}  // namespace framework
