#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/desktop/Desktop.h"
#include "platform/desktop/GtkDialogs.h"
#include "platform/window/Backend.h"
#include "platform/window/ScreenScale.h"

namespace platform {

// Every top-level window is a borderless SDL window showing the window's backing bitmap; the
// platform draws and hit-tests the frame itself, and SDL's hit-test callback hands caption
// drags and border drags to the window manager. On a HiDPI screen every native window is
// its logical size times the desktop's factor, and all traffic with SDL goes through scale_.
class DesktopBackend : public Backend {
 public:
  explicit DesktopBackend(DesktopIdentity identity);
  ~DesktopBackend() override;
  DesktopBackend(const DesktopBackend&) = delete;
  DesktopBackend& operator=(const DesktopBackend&) = delete;

  Clock& GetClock() override;
  TRect WorkArea() override;
  void CreateNative(HWND window, const TRect& screenBounds, bool popup) override;
  void DestroyNative(HWND window) override;
  void SetNativeBounds(HWND window, const TRect& screenBounds) override;
  void SetNativeVisible(HWND window, bool visible, WindowState state) override;
  void SetNativeTitle(HWND window, const std::string& title) override;
  void SetNativeShape(HWND window, const Region* shape) override;
  void ActivateNative(HWND window) override;
  void Present(HWND window, const Bitmap& backing, const TRect& rect) override;
  void PumpEvents() override;
  void WaitEvents(std::optional<std::uint32_t> timeoutMs) override;
  void SetClipboardText(const std::string& text) override;
  std::string GetClipboardText() override;
  int ShowMessageBox(const MessageBoxParams& params) override;
  std::optional<FileDialogResult> ShowFileDialog(const FileDialogParams& params) override;

 private:
  SDL_Window* Native(HWND window) const;
  HWND WindowOf(std::uint32_t sdlWindowId) const;
  // A point the display reports in a window's device pixels, in logical screen coordinates.
  TPoint ScreenPoint(std::uint32_t sdlWindowId, int x, int y) const;
  TRect DeviceWorkArea() const;
  void Dispatch(const SDL_Event& event);
  void DispatchWindowEvent(const SDL_WindowEvent& event);
  // While a dialog is open: our windows repaint and show their pictures again when exposed,
  // and their input is dropped.
  void KeepPresenting();
  // How a dialog of the owner runs: over the owner's top-level window, repainting ours
  // meanwhile.
  GtkModal Modal(HWND owner);
  static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* area, void* data);

  DesktopIdentity identity_;
  ScreenScale scale_;
  std::map<HWND, SDL_Window*> natives_;
};

}  // namespace platform
