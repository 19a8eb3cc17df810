#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/headless/HeadlessBackend.h"
#include "platform/window/Input.h"

namespace platform {

// Starts the window system on a headless back end for the lifetime of the object.
class HeadlessSession {
 public:
  // workArea in device pixels; a scale above 1 stands for a HiDPI screen.
  explicit HeadlessSession(TRect workArea = {0, 0, 1280, 1024}, int scale = 1);
  ~HeadlessSession();
  HeadlessSession(const HeadlessSession&) = delete;
  HeadlessSession& operator=(const HeadlessSession&) = delete;

  HeadlessBackend& Backend() { return *backend_; }

  // Input through the same path as a real display's, in screen coordinates.
  void MoveMouse(TPoint screen);
  void Press(TPoint screen, MouseButton button = MouseButton::Left);
  void Release(TPoint screen, MouseButton button = MouseButton::Left);
  void Click(TPoint screen, MouseButton button = MouseButton::Left);
  void PressKey(std::uint32_t virtualKey);  // down and up
  void TypeText(std::string_view utf8);
  // Advances the virtual clock and handles whatever became due.
  void Advance(std::uint32_t milliseconds);

 private:
  HeadlessBackend* backend_;
};

// The window as it appears: the part of its top-level window's picture it covers.
Bitmap WindowSnapshot(HWND window);
void SaveWindowPng(HWND window, const std::string& path);

}  // namespace platform
