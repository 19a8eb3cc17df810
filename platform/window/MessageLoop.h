#pragma once

#include <cstdint>
#include <optional>

#include "platform/window/WindowTypes.h"

namespace platform {

struct MSG {
  HWND Window{};
  TMessage Message;
};

// Queues a message for the window; false when the window does not exist.
bool PostMessage(HWND window, std::uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Ends the running message loop with the code once the queue reaches it.
void PostQuitMessage(int exitCode);

// Takes the next message: posted ones first, then a paint, then a due timer. Waits for
// input when there is none; false once WM_QUIT is taken.
bool GetMessage(MSG& msg);
// Like GetMessage without waiting; false when nothing is pending.
bool PeekMessage(MSG& msg);
void DispatchMessage(const MSG& msg);

// Handles everything pending (input, posted messages, paints, due timers) without waiting.
void ProcessMessages();
// Runs until WM_QUIT and answers its exit code.
int RunMessageLoop();
// Is a WM_QUIT waiting? The quit stays pending for the outermost loop.
bool QuitPending();

}  // namespace platform
