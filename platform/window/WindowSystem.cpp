#include "platform/window/WindowSystem.h"

#include <algorithm>

#include "platform/Error.h"
#include "platform/window/MenuSystem.h"
#include "platform/window/Menus.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

std::unique_ptr<WindowSystem> current;

void Unlink(Window& w) {
  WindowSystem& sys = Sys();
  std::vector<HWND>* list = &sys.TopLevels;
  if (w.IsChild()) {
    Window* parent = sys.Find(w.Parent);
    if (parent == nullptr) return;
    list = &parent->Children;
  }
  list->erase(std::remove(list->begin(), list->end(), w.Handle), list->end());
}

void DropQueuedAndTimers(HWND h) {
  WindowSystem& sys = Sys();
  std::erase_if(sys.Queue, [h](const MSG& m) { return m.Window == h; });
  std::erase_if(sys.Timers, [h](const Timer& t) { return t.Window == h; });
}

}  // namespace

WindowSystem& Sys() {
  if (!current) throw Error("The window system has not been started");
  return *current;
}

Window* FindWindow(HWND h) {
  return current ? current->Find(h) : nullptr;
}

void StartWindowSystem(std::unique_ptr<Backend> backend) {
  if (current) throw Error("The window system is already running");
  if (!backend) throw Error("No back end for the window system");
  current = std::make_unique<WindowSystem>();
  current->Back = std::move(backend);
  current->Menus = std::make_unique<MenuSystem>();
  SetClock(&current->Back->GetClock());
}

void StopWindowSystem() {
  if (!current) return;
  current->Menus->CancelTracking();
  while (!current->TopLevels.empty()) DestroyWindow(current->TopLevels.back());
  current->Menus.reset();
  SetClock(nullptr);
  current.reset();
}

bool WindowSystemStarted() {
  return current != nullptr;
}
Backend& CurrentBackend() {
  return *Sys().Back;
}

HWND CreateWindow(const CreateParams& params) {
  WindowSystem& sys = Sys();
  const bool child = (params.Style & WS_CHILD) != 0;
  if (child && sys.Find(params.Parent) == nullptr) return NullWindow;

  auto w = std::make_unique<Window>();
  const HWND h{sys.NextHandle++};
  w->Handle = h;
  w->Style = params.Style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
  w->ExStyle = params.ExStyle;
  w->ClassStyle = params.ClassStyle;
  w->Text = params.Caption;
  w->Bounds = params.Bounds;
  w->NormalBounds = params.Bounds;
  w->Proc = std::make_shared<WindowProc>(params.Proc ? params.Proc : WindowProc(DefWindowProc));
  if (child) {
    w->Parent = params.Parent;
    sys.Find(params.Parent)->Children.insert(sys.Find(params.Parent)->Children.begin(), h);
  } else {
    w->Owner = sys.Find(params.Parent) != nullptr ? params.Parent : NullWindow;
    w->Backing = std::make_shared<Bitmap>(std::max(0, params.Bounds.Width()),
                                          std::max(0, params.Bounds.Height()));
    sys.TopLevels.insert(sys.TopLevels.begin(), h);
  }
  sys.Windows.emplace(h, std::move(w));
  if (!child) sys.Back->CreateNative(h, params.Bounds, (params.Style & WS_POPUP) != 0);
  if (params.Menu != NullMenu) SetMenu(h, params.Menu);

  RecalcClient(h);
  if (SendMessage(h, WM_CREATE, 0, params.CreateData) == -1) {
    DestroyWindow(h);
    return NullWindow;
  }
  if (!IsWindow(h)) return NullWindow;
  const TRect client = GetClientRect(h);
  SendMessage(h, WM_SIZE, SIZE_RESTORED, SizeParam(client.Size()));
  if ((params.Style & WS_VISIBLE) != 0) {
    ShowWindow(h, (params.Style & WS_MAXIMIZE) != 0   ? ShowCommand::Maximize
                  : (params.Style & WS_MINIMIZE) != 0 ? ShowCommand::Minimize
                                                      : ShowCommand::Show);
  }
  return IsWindow(h) ? h : NullWindow;
}

bool DestroyWindow(HWND h) {
  WindowSystem& sys = Sys();
  Window* w = sys.Find(h);
  if (w == nullptr) return false;
  if (w->Destroying) return true;
  w->Destroying = true;
  sys.Menus->WindowDestroyed(h);
  if (w->IsVisibleFlag()) ShowWindow(h, ShowCommand::Hide);

  SendMessage(h, WM_DESTROY);
  if ((w = sys.Find(h)) == nullptr) return true;
  for (HWND child : std::vector<HWND>(w->Children)) DestroyWindow(child);
  for (HWND top : std::vector<HWND>(sys.TopLevels)) {
    if (Window* t = sys.Find(top); t != nullptr && t->Owner == h) DestroyWindow(top);
  }
  SendMessage(h, WM_NCDESTROY);
  if ((w = sys.Find(h)) == nullptr) return true;

  Unlink(*w);
  DropQueuedAndTimers(h);
  ForgetWindowInput(h);
  if (!w->IsChild()) sys.Back->DestroyNative(h);
  // The procedure may still be running further up the stack; it holds its own reference.
  sys.Windows.erase(h);
  return true;
}

bool IsWindow(HWND h) {
  return FindWindow(h) != nullptr;
}

WindowProc SetWindowProc(HWND h, WindowProc proc) {
  Window* w = FindWindow(h);
  if (w == nullptr) return {};
  WindowProc previous = *w->Proc;
  // A new shared object, so a procedure replacing itself keeps running safely.
  w->Proc = std::make_shared<WindowProc>(proc ? std::move(proc) : WindowProc(DefWindowProc));
  return previous;
}

void SendMessage(HWND h, TMessage& message) {
  Window* w = FindWindow(h);
  if (w == nullptr) return;
  const std::shared_ptr<WindowProc> proc = w->Proc;
  (*proc)(h, message);
}

LRESULT SendMessage(HWND h, std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  SendMessage(h, message);
  return message.Result;
}

}  // namespace platform
