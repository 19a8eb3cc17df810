#include "framework/forms/Application.h"

#include <filesystem>
#include <system_error>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/HandleException.h"
#include "framework/controls/MouseControl.h"
#include "framework/forms/HintWindow.h"
#include "framework/runtime/Exceptions.h"
#include "platform/window/Dialogs.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/Timers.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {
TApplication* current = nullptr;

constexpr std::uint32_t HintShowTimer = 1;
constexpr std::uint32_t HintHideTimer = 2;
// Below the pointer, clear of the arrow.
constexpr TPoint HintOffset{0, 20};

std::string ProgramName() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.stem().string();
}

MessageBoxParams ErrorBox(const std::string& caption, const std::exception& error) {
  MessageBoxParams box;
  box.Owner = GetActiveWindow();
  box.Kind = MessageBoxKind::Error;
  box.Caption = caption;
  // A message may quote the bytes of a file, a NUL among them, where what() would end it.
  const auto* framed = dynamic_cast<const Exception*>(&error);
  box.Text = framed ? framed->Message() : error.what();
  return box;
}
}  // namespace

TApplication* Application() {
  return current;
}

void HandleException(const std::exception& error) {
  if (current) {
    current->HandleException(error);
  } else {
    MessageBox(ErrorBox(ProgramName(), error));
  }
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), title_(ProgramName()) {
  if (current) throw EInvalidOperation("There is an application already");
  platform::CreateParams params;
  params.Style = WS_POPUP;
  params.Proc = [this](HWND window, TMessage& m) { TimerWndProc(window, m); };
  timerWindow_ = CreateWindow(params);
  current = this;
  SetMouseControlHook([this](TControl* control) { MouseControlChanged(control); });
}

TApplication::~TApplication() {
  SetMouseControlHook(nullptr);
  DestroyComponents();
  if (IsWindow(timerWindow_)) DestroyWindow(timerWindow_);
  current = nullptr;
}

const TClassInfo& TApplication::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TApplication, TComponent>("TApplication").Build();
  return info;
}

void TApplication::Run() {
  if (mainForm_) mainForm_->ShowForm();
  while (!terminated_) {
    MSG msg;
    if (!GetMessage(msg)) break;
    try {
      DispatchMessage(msg);
    } catch (const std::exception& e) {
      HandleException(e);
    }
  }
  terminated_ = true;
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  platform::ProcessMessages();
}

void TApplication::HandleException(const std::exception& error) {
  CancelHint();
  if (OnException) {
    OnException(this, error);
  } else {
    ShowException(error);
  }
}

void TApplication::ShowException(const std::exception& error) {
  MessageBox(ErrorBox(title_, error));
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == mainForm_) mainForm_ = nullptr;
  if (component == hintWindow_) hintWindow_ = nullptr;
}

void TApplication::SetShowHint(bool showHint) {
  showHint_ = showHint;
  if (!showHint) CancelHint();
}

void TApplication::MouseControlChanged(TControl* control) {
  CancelHint();
  if (!showHint_ || !control || !control->ShowHint() || GetShortHint(control->Hint()).empty())
    return;
  hintControl_ = control;
  SetTimer(timerWindow_, HintShowTimer, static_cast<std::uint32_t>(hintPause_));
}

void TApplication::CancelHint() {
  hintControl_ = nullptr;
  if (!IsWindow(timerWindow_)) return;
  KillTimer(timerWindow_, HintShowTimer);
  KillTimer(timerWindow_, HintHideTimer);
  if (hintWindow_) hintWindow_->ReleaseHint();
}

void TApplication::ShowHintNow() {
  if (!hintControl_ || hintControl_ != MouseControl()) return;
  // A control that holds the mouse hears of the pointer far away from it; its hint is shown
  // only beside it.
  const TPoint origin = hintControl_->ClientToScreen({0, 0});
  const TRect bounds{origin.X, origin.Y, origin.X + hintControl_->Width(),
                     origin.Y + hintControl_->Height()};
  if (!bounds.Contains(GetCursorPos())) return;
  // Hints are for the window the user works in, as they go when it is deactivated.
  TCustomForm* form = GetParentForm(hintControl_);
  if (!form || !form->HandleAllocated() || form->Handle() != GetActiveWindow()) return;
  if (!hintWindow_) hintWindow_ = new THintWindow(this);
  hintWindow_->ActivateHint(GetCursorPos() + HintOffset, GetShortHint(hintControl_->Hint()));
  SetTimer(timerWindow_, HintHideTimer, static_cast<std::uint32_t>(hintHidePause_));
}

void TApplication::TimerWndProc(HWND window, TMessage& m) {
  if (m.Msg != WM_TIMER) {
    DefWindowProc(window, m);
    return;
  }
  KillTimer(window, static_cast<std::uint32_t>(m.WParam));
  try {
    if (m.WParam == HintShowTimer) {
      ShowHintNow();
    } else {
      CancelHint();
    }
  } catch (const std::exception& e) {
    HandleException(e);
  }
}

}  // namespace framework
