#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "framework/classes/Component.h"
#include "framework/forms/Form.h"
#include "platform/window/WindowTypes.h"

namespace framework {

class THintWindow;

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

// The program: it owns the forms, runs the message loop until Terminate, shows hints, and
// handles every exception that escapes an event handler by showing its message in a modal
// box, after which the loop goes on. There is one at a time; Application() answers it. The
// window system must be running before it (and any form) is made.
class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* owner = nullptr);
  ~TApplication() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Creates a form owned by the application; the first one becomes the main form.
  template <class F, class... Args>
  F* CreateForm(Args&&... args) {
    auto* form = new F(this, std::forward<Args>(args)...);
    if (!mainForm_) mainForm_ = form;
    return form;
  }
  TCustomForm* MainForm() const { return mainForm_; }

  // The program file's name without its extension, unless set.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles everything pending without waiting.
  void ProcessMessages();

  void HandleException(const std::exception& error);
  // The message in a modal error box with an OK button, captioned with the title.
  void ShowException(const std::exception& error);

  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint);
  // Milliseconds before a hint shows.
  int HintPause() const { return hintPause_; }
  void CancelHint();
  THintWindow* HintWindow() const { return hintWindow_; }

  TExceptionEvent OnException;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void MouseControlChanged(TControl* control);
  void TimerWndProc(platform::HWND window, platform::TMessage& message);
  void ShowHintNow();

  std::string title_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;  // and before it goes again
  TControl* hintControl_ = nullptr;
  THintWindow* hintWindow_ = nullptr;
  platform::HWND timerWindow_{};
};

// The running application, or null.
TApplication* Application();

}  // namespace framework
