#include "platform/desktop/DesktopBackend.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/Error.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/GtkDialogs.h"
#include "platform/desktop/SdlKeys.h"
#include "platform/desktop/WindowIcon.h"
#include "platform/desktop/WindowIdentity.h"
#include "platform/desktop/WindowShape.h"
#include "platform/desktop/X11Window.h"
#include "platform/desktop/XDisplay.h"
#include "platform/desktop/XErrors.h"
#include "platform/desktop/XResources.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

SDL_HitTestResult ToSdlHit(int hit) {
  switch (hit) {
    case HTCAPTION:
      return SDL_HITTEST_DRAGGABLE;
    case HTLEFT:
      return SDL_HITTEST_RESIZE_LEFT;
    case HTRIGHT:
      return SDL_HITTEST_RESIZE_RIGHT;
    case HTTOP:
      return SDL_HITTEST_RESIZE_TOP;
    case HTBOTTOM:
      return SDL_HITTEST_RESIZE_BOTTOM;
    case HTTOPLEFT:
      return SDL_HITTEST_RESIZE_TOPLEFT;
    case HTTOPRIGHT:
      return SDL_HITTEST_RESIZE_TOPRIGHT;
    case HTBOTTOMLEFT:
      return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    case HTBOTTOMRIGHT:
      return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
    default:
      return SDL_HITTEST_NORMAL;
  }
}

// Copies a rectangle of blue-green-red rows into the window surface's pixel format, each
// logical pixel as a block of device pixels.
void CopyToSurface(SDL_Surface* surface, const Bitmap& backing, const TRect& r,
                   const ScreenScale& scale) {
  const SDL_PixelFormat* format = surface->format;
  const bool xrgb = format->BytesPerPixel == 4 && format->Rmask == 0x00FF0000 &&
                    format->Gmask == 0x0000FF00 && format->Bmask == 0x000000FF;
  const auto toPixel = [format, xrgb](const std::uint8_t* src) {
    return xrgb ? (std::uint32_t{src[2]} << 16) | (std::uint32_t{src[1]} << 8) | src[0]
                : SDL_MapRGB(format, src[2], src[1], src[0]);
  };
  const auto put = [surface, format](int y, int left, const std::vector<std::uint32_t>& row) {
    auto* out = static_cast<std::uint8_t*>(surface->pixels) +
                static_cast<std::ptrdiff_t>(y) * surface->pitch + left * format->BytesPerPixel;
    if (format->BytesPerPixel == 4) {
      std::memcpy(out, row.data(), row.size() * 4);
      return;
    }
    for (const std::uint32_t pixel : row) {
      std::memcpy(out, &pixel, format->BytesPerPixel);
      out += format->BytesPerPixel;
    }
  };
  SDL_LockSurface(surface);
  scale.PresentBlocks<std::uint32_t>(backing, r, toPixel, put);
  SDL_UnlockSurface(surface);
}

MouseButton ToButton(std::uint8_t sdlButton) {
  return sdlButton == SDL_BUTTON_RIGHT    ? MouseButton::Right
         : sdlButton == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                          : MouseButton::Left;
}

}  // namespace

std::unique_ptr<Backend> CreateDesktopBackend(DesktopIdentity identity) {
  RequireDisplay();
  return std::make_unique<DesktopBackend>(std::move(identity));
}

DesktopBackend::DesktopBackend(DesktopIdentity identity)
    : identity_(std::move(identity)),
      scale_(WantedScale(std::getenv("GDK_SCALE"),
                         XResource("Xft.dpi", "Xft.Dpi").value_or("").c_str())) {
  // Signals keep their usual meaning, and closing the last window is the program's decision.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // Pixels go straight to the window; an accelerated surface would make SDL recreate the
  // native window on first use, losing its shape.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The windows' shapes, icons and identity are X's; no other video driver would show them.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  IgnoreWakeupsToDestroyedWindows();
  if (SDL_Init(SDL_INIT_VIDEO) != 0)
    throw Error(std::string("Cannot open the display: ") + SDL_GetError());
  SDL_StartTextInput();
}

DesktopBackend::~DesktopBackend() {
  for (auto& [window, native] : natives_) SDL_DestroyWindow(native);
  SDL_Quit();
}

Clock& DesktopBackend::GetClock() {
  return SystemClock();
}

TRect DesktopBackend::DeviceWorkArea() const {
  SDL_Rect r{0, 0, 1024, 768};
  SDL_GetDisplayUsableBounds(0, &r);
  return TRect::FromBounds(r.x, r.y, r.w, r.h);
}

TRect DesktopBackend::WorkArea() {
  return scale_.AreaToLogical(DeviceWorkArea());
}

SDL_Window* DesktopBackend::Native(HWND window) const {
  const auto it = natives_.find(window);
  return it == natives_.end() ? nullptr : it->second;
}

HWND DesktopBackend::WindowOf(std::uint32_t sdlWindowId) const {
  SDL_Window* native = SDL_GetWindowFromID(sdlWindowId);
  for (const auto& [window, candidate] : natives_) {
    if (candidate == native) return window;
  }
  return NullWindow;
}

TPoint DesktopBackend::ScreenPoint(std::uint32_t sdlWindowId, int x, int y) const {
  SDL_Window* native = SDL_GetWindowFromID(sdlWindowId);
  if (native == nullptr) {
    // An event of a window gone meanwhile (a popup that a click has closed) is relative to
    // where that window was; the pointer's own place stands in, so that a window moved by
    // the mouse does not jump.
    SDL_GetGlobalMouseState(&x, &y);
    return scale_.ToLogical(TPoint{x, y});
  }
  int left = 0, top = 0;
  SDL_GetWindowPosition(native, &left, &top);
  return scale_.ToLogical(TPoint{left + x, top + y});
}

void DesktopBackend::CreateNative(HWND window, const TRect& logical, bool popup) {
  const TRect b = scale_.ToDevice(logical);
  std::uint32_t flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  if (popup) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
  SDL_Window* native = SDL_CreateWindow(GetWindowText(window).c_str(), b.Left, b.Top,
                                        std::max(1, b.Width()), std::max(1, b.Height()), flags);
  if (native == nullptr) throw Error(std::string("Cannot create a window: ") + SDL_GetError());
  natives_[window] = native;
  if (popup) return;
  SDL_SetWindowHitTest(native, &DesktopBackend::HitTest, this);
  // The standard icon first: a program that names icons of its own replaces it.
  ApplyApplicationIcon(native);
  ApplyWindowIdentity(native, identity_);
}

void DesktopBackend::DestroyNative(HWND window) {
  if (SDL_Window* native = Native(window)) SDL_DestroyWindow(native);
  natives_.erase(window);
}

void DesktopBackend::SetNativeBounds(HWND window, const TRect& logical) {
  SDL_Window* native = Native(window);
  if (native == nullptr) return;
  const TRect b = scale_.ToDevice(logical);
  SDL_SetWindowPosition(native, b.Left, b.Top);
  SDL_SetWindowSize(native, std::max(1, b.Width()), std::max(1, b.Height()));
}

void DesktopBackend::SetNativeVisible(HWND window, bool visible, WindowState state) {
  SDL_Window* native = Native(window);
  if (native == nullptr) return;
  if (visible) {
    std::vector<HWND> windows;
    for (const auto& [h, n] : natives_) windows.push_back(h);
    SettleOnShow(scale_, *this, window, DeviceWorkArea().Size(), windows);
  }
  if (!visible) {
    SDL_HideWindow(native);
  } else if (state == WindowState::Minimized) {
    SDL_MinimizeWindow(native);
  } else {
    SDL_ShowWindow(native);
    if ((SDL_GetWindowFlags(native) & SDL_WINDOW_MINIMIZED) != 0) SDL_RestoreWindow(native);
  }
}

void DesktopBackend::SetNativeTitle(HWND window, const std::string& title) {
  if (SDL_Window* native = Native(window)) SDL_SetWindowTitle(native, title.c_str());
}

void DesktopBackend::SetNativeShape(HWND window, const Region* shape) {
  SDL_Window* native = Native(window);
  if (native == nullptr) return;
  if (shape == nullptr) {
    ApplyWindowShape(native, nullptr);
  } else {
    const Region device = scale_.ToDevice(*shape);
    ApplyWindowShape(native, &device);
  }
}

void DesktopBackend::ActivateNative(HWND window) {
  if (SDL_Window* native = Native(window);
      native != nullptr && (SDL_GetWindowFlags(native) & SDL_WINDOW_SHOWN)) {
    SDL_RaiseWindow(native);
  }
}

void DesktopBackend::Present(HWND window, const Bitmap& backing, const TRect& rect) {
  SDL_Window* native = Native(window);
  SDL_Surface* surface = native != nullptr ? SDL_GetWindowSurface(native) : nullptr;
  if (surface == nullptr) return;
  const TRect r = rect.Intersect(backing.BoundsRect())
                      .Intersect(scale_.AreaToLogical({0, 0, surface->w, surface->h}));
  if (r.IsEmpty()) return;
  CopyToSurface(surface, backing, r, scale_);
  const TRect d = scale_.ToDevice(r);
  const SDL_Rect area{d.Left, d.Top, d.Width(), d.Height()};
  SDL_UpdateWindowSurfaceRects(native, &area, 1);
}

SDL_HitTestResult DesktopBackend::HitTest(SDL_Window* native, const SDL_Point* area, void* data) {
  auto* self = static_cast<DesktopBackend*>(data);
  const HWND window = self->WindowOf(SDL_GetWindowID(native));
  // The window manager takes over only a normal window that no menu, disabled state or move
  // of our own (the system menu's Move and Size, ended by a click) holds.
  if (window == NullWindow || IsMenuActive() || IsMouseTracking() || !IsWindowEnabled(window) ||
      GetWindowState(window) != WindowState::Normal) {
    return SDL_HITTEST_NORMAL;
  }
  const TPoint screen = WindowToScreen(window, self->scale_.ToLogical(TPoint{area->x, area->y}));
  const int hit = static_cast<int>(SendMessage(window, WM_NCHITTEST, 0, PointParam(screen)));
  const bool sizeable = (GetWindowStyle(window) & WS_THICKFRAME) != 0;
  const SDL_HitTestResult result = ToSdlHit(hit);
  return result == SDL_HITTEST_DRAGGABLE || sizeable ? result : SDL_HITTEST_NORMAL;
}

void DesktopBackend::PumpEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) Dispatch(event);
}

void DesktopBackend::WaitEvents(std::optional<std::uint32_t> timeoutMs) {
  SDL_Event event;
  const int got = timeoutMs
                      ? SDL_WaitEventTimeout(
                            &event, static_cast<int>(std::min<std::uint32_t>(*timeoutMs, 1u << 30)))
                      : SDL_WaitEvent(&event);
  if (got != 0) Dispatch(event);
}

void DesktopBackend::Dispatch(const SDL_Event& e) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
      InputMouseMove(ScreenPoint(e.motion.windowID, e.motion.x, e.motion.y));
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      InputMouseButton(ScreenPoint(e.button.windowID, e.button.x, e.button.y),
                       ToButton(e.button.button), e.type == SDL_MOUSEBUTTONDOWN);
      break;
    case SDL_MOUSEWHEEL:
      InputMouseWheel(GetCursorPos(), e.wheel.y * WHEEL_DELTA);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (const std::uint32_t vk = VirtualKeyFromSdl(e.key.keysym.sym))
        InputKey(vk, e.type == SDL_KEYDOWN);
      break;
    case SDL_TEXTINPUT:
      InputText(e.text.text);
      break;
    case SDL_WINDOWEVENT:
      DispatchWindowEvent(e.window);
      break;
    default:
      break;
  }
}

void DesktopBackend::DispatchWindowEvent(const SDL_WindowEvent& e) {
  const HWND window = WindowOf(e.windowID);
  if (window == NullWindow) return;
  SDL_Window* native = Native(window);
  switch (e.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      if (Window* w = FindWindow(window)) PresentRect(window, w->LocalRect());
      break;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      int x = 0, y = 0, width = 0, height = 0;
      SDL_GetWindowPosition(native, &x, &y);
      SDL_GetWindowSize(native, &width, &height);
      const TPoint at = scale_.ToLogical(TPoint{x, y});
      const TPoint size = scale_.ToLogical(TPoint{width, height});
      NoteNativeBounds(window, TRect::FromBounds(at.X, at.Y, size.X, size.Y));
      break;
    }
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      InputActivate(window, true);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      // A click in another program closes our open menu, as it would on any desktop.
      if (IsMenuActive()) EndMenu();
      InputActivate(window, false);
      break;
    case SDL_WINDOWEVENT_LEAVE:
      InputMouseExit();
      break;
    case SDL_WINDOWEVENT_CLOSE:
      PostMessage(window, WM_SYSCOMMAND, SC_CLOSE);
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      if (GetWindowState(window) != WindowState::Minimized)
        ShowWindow(window, ShowCommand::Minimize);
      break;
    case SDL_WINDOWEVENT_RESTORED:
      if (GetWindowState(window) == WindowState::Minimized)
        ShowWindow(window, ShowCommand::Restore);
      break;
    default:
      break;
  }
}

void DesktopBackend::KeepPresenting() {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED)
      Dispatch(event);
  }
  // What changed as the dialog opened (the owner turning inactive) shows now, not after it.
  const std::vector<HWND> tops = Sys().TopLevels;
  for (const HWND top : tops) UpdateWindow(top);
}

void DesktopBackend::SetClipboardText(const std::string& text) {
  SDL_SetClipboardText(text.c_str());
}

std::string DesktopBackend::GetClipboardText() {
  char* text = SDL_GetClipboardText();
  std::string result = text != nullptr ? text : "";
  SDL_free(text);
  return result;
}

GtkModal DesktopBackend::Modal(HWND owner) {
  GtkModal modal{[this] { KeepPresenting(); }, {}};
  modal.Owner.WorkArea = DeviceWorkArea();
  modal.Owner.Bounds = modal.Owner.WorkArea;
  if (!IsWindow(owner)) return modal;
  const HWND top = TopLevelOf(owner);
  modal.Owner.Bounds = scale_.ToDevice(GetWindowRect(top));
  if (SDL_Window* native = Native(top)) modal.Owner.XWindow = X11WindowOf(native);
  return modal;
}

int DesktopBackend::ShowMessageBox(const MessageBoxParams& params) {
  return RunGtkMessageBox(params, Modal(params.Owner));
}

std::optional<FileDialogResult> DesktopBackend::ShowFileDialog(const FileDialogParams& params) {
  return RunGtkFileDialog(params, Modal(params.Owner));
}

}  // namespace platform
