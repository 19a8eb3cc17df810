#include "platform/headless/Headless.h"

#include <memory>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {

HeadlessSession::HeadlessSession(TRect workArea, int scale) {
  auto backend = std::make_unique<HeadlessBackend>(workArea, scale);
  backend_ = backend.get();
  StartWindowSystem(std::move(backend));
}

HeadlessSession::~HeadlessSession() {
  StopWindowSystem();
}

void HeadlessSession::MoveMouse(TPoint screen) {
  InputMouseMove(screen);
}

void HeadlessSession::Press(TPoint screen, MouseButton button) {
  InputMouseMove(screen);
  InputMouseButton(screen, button, true);
}

void HeadlessSession::Release(TPoint screen, MouseButton button) {
  InputMouseButton(screen, button, false);
}

void HeadlessSession::Click(TPoint screen, MouseButton button) {
  Press(screen, button);
  Release(screen, button);
}

void HeadlessSession::PressKey(std::uint32_t virtualKey) {
  InputKey(virtualKey, true);
  InputKey(virtualKey, false);
}

void HeadlessSession::TypeText(std::string_view utf8) {
  InputText(utf8);
}

void HeadlessSession::Advance(std::uint32_t milliseconds) {
  backend_->AdvanceClock(milliseconds);
  ProcessMessages();
}

Bitmap WindowSnapshot(HWND h) {
  Window* top = FindWindow(TopLevelOf(h));
  if (top == nullptr) return {};
  const TRect r = GetWindowRect(h)
                      .Offset(-top->Bounds.Left, -top->Bounds.Top)
                      .Intersect(top->Backing->BoundsRect());
  Bitmap result(r.Width(), r.Height());
  Canvas canvas(result);
  canvas.CopyRect(result.BoundsRect(), Canvas(*top->Backing), r);
  return result;
}

void SaveWindowPng(HWND h, const std::string& path) {
  SavePngFile(WindowSnapshot(h), path);
}

}  // namespace platform
