#include "platform/window/MessageLoop.h"

#include <algorithm>

#include "platform/kernel/Clock.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

// Posted messages first, then WM_QUIT, then a paint, then a timer due by the horizon.
bool Peek(MSG& msg, std::uint64_t timerHorizon) {
  WindowSystem& sys = Sys();
  if (!sys.Queue.empty()) {
    msg = sys.Queue.front();
    sys.Queue.pop_front();
    return true;
  }
  if (sys.QuitCode) {
    msg = MSG{NullWindow, TMessage{WM_QUIT, static_cast<WPARAM>(*sys.QuitCode), 0, 0}};
    sys.QuitCode.reset();
    return true;
  }
  if (const HWND h = NextWindowToPaint(); h != NullWindow) {
    msg = MSG{h, TMessage{WM_PAINT, 0, 0, 0}};
    return true;
  }
  if (auto timer = TakeDueTimer(timerHorizon)) {
    msg = *timer;
    return true;
  }
  return false;
}

}  // namespace

bool PostMessage(HWND h, std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  if (FindWindow(h) == nullptr) return false;
  Sys().Queue.push_back(MSG{h, TMessage{msg, wParam, lParam, 0}});
  return true;
}

void PostQuitMessage(int exitCode) {
  Sys().QuitCode = exitCode;
}

bool QuitPending() {
  return Sys().QuitCode.has_value();
}

bool PeekMessage(MSG& msg) {
  Sys().Back->PumpEvents();
  return Peek(msg, GetTickCount64());
}

void WaitForInput() {
  std::optional<std::uint32_t> timeout;
  if (const auto due = NextTimerDue()) {
    const std::uint64_t now = GetTickCount64();
    timeout =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(*due > now ? *due - now : 0, 1u << 30));
  }
  Sys().Back->WaitEvents(timeout);
}

bool GetMessage(MSG& msg) {
  for (;;) {
    if (PeekMessage(msg)) return msg.Message.Msg != WM_QUIT;
    WaitForInput();
  }
}

void DispatchMessage(const MSG& msg) {
  if (msg.Message.Msg == WM_PAINT) {
    PaintWindow(msg.Window);
    return;
  }
  TMessage message = msg.Message;
  SendMessage(msg.Window, message);
}

void ProcessMessages() {
  Sys().Back->PumpEvents();
  // Timers count only once per call, so a slow timer handler cannot keep us here.
  const std::uint64_t horizon = GetTickCount64();
  MSG msg;
  while (Peek(msg, horizon)) {
    if (msg.Message.Msg == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.Message.WParam));
      return;
    }
    DispatchMessage(msg);
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessage(msg)) DispatchMessage(msg);
  return static_cast<int>(msg.Message.WParam);
}

}  // namespace platform
