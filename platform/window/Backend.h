#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Region.h"
#include "platform/kernel/Clock.h"
#include "platform/window/Dialogs.h"
#include "platform/window/WindowTypes.h"

namespace platform {

// What the window system needs from a display: native top-level windows that show our
// backing bitmaps, events fed back through the input functions of Input.h, a clock and the
// modal dialogs. Native windows are named by the handle of the window they show.
class Backend {
 public:
  virtual ~Backend() = default;

  virtual Clock& GetClock() = 0;
  // The area a maximised window fills, in screen coordinates.
  virtual TRect WorkArea() = 0;

  virtual void CreateNative(HWND window, const TRect& screenBounds, bool popup) = 0;
  virtual void DestroyNative(HWND window) = 0;
  virtual void SetNativeBounds(HWND window, const TRect& screenBounds) = 0;
  virtual void SetNativeVisible(HWND window, bool visible, WindowState state) = 0;
  virtual void SetNativeTitle(HWND window, const std::string& title) = 0;
  // The window's shape in window coordinates; nullptr for the whole rectangle.
  virtual void SetNativeShape(HWND window, const Region* shape) = 0;
  virtual void ActivateNative(HWND window) = 0;
  // Shows rect (window coordinates) of the window's backing bitmap on the screen.
  virtual void Present(HWND window, const Bitmap& backing, const TRect& rect) = 0;

  // Delivers every native event already waiting. Wait blocks until one arrives or
  // timeoutMs passes (nullopt: no limit).
  virtual void PumpEvents() = 0;
  virtual void WaitEvents(std::optional<std::uint32_t> timeoutMs) = 0;

  virtual void SetClipboardText(const std::string& text) = 0;
  virtual std::string GetClipboardText() = 0;

  virtual int ShowMessageBox(const MessageBoxParams& params) = 0;
  virtual std::optional<FileDialogResult> ShowFileDialog(const FileDialogParams& params) = 0;
};

}  // namespace platform
