#pragma once

#include <string>

#include "platform/window/WindowTypes.h"

namespace windemo {

// The demo's main window: a caption, a menu bar with popups, and four children that react
// to clicks, keys, hovering and a timer.
class DemoWindow {
 public:
  // Child rectangles in the main window's client coordinates; the end-to-end test clicks
  // the click box's centre.
  static constexpr platform::TRect ClickBoxBounds{20, 20, 220, 120};
  static constexpr platform::TRect KeyBoxBounds{240, 20, 440, 120};
  static constexpr platform::TRect HoverBoxBounds{20, 140, 220, 240};
  static constexpr platform::TRect TickerBounds{240, 140, 440, 240};

  void Create();

 private:
  void MainMessage(platform::HWND h, platform::TMessage& m);
  void Command(std::uint32_t id);
  void PaintClickBox(platform::HWND h);
  void PaintKeyBox(platform::HWND h);
  void PaintHoverBox(platform::HWND h);
  void PaintTicker(platform::HWND h);

  platform::HWND main_{};
  platform::HWND clickBox_{};
  platform::HWND keyBox_{};
  platform::HWND hoverBox_{};
  platform::HWND ticker_{};
  int clicks_ = 0;
  bool doubleClicked_ = false;
  std::string typed_;
  bool hot_ = false;
  int ticks_ = 0;
};

}  // namespace windemo
