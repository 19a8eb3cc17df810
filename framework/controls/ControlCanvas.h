#pragma once

#include <functional>
#include <optional>

#include "framework/graphics/Canvas.h"
#include "platform/window/Paint.h"

namespace framework {

class TControl;

// A control's canvas. While the control paints it draws on the paint canvas; used at any
// other time it fetches a canvas of the control's part of the window, which is shown and
// let go when the message being handled ends (or at FreeHandle).
class TControlCanvas : public TCanvas {
 public:
  explicit TControlCanvas(TControl& control);
  ~TControlCanvas() override;

  // Draws on canvas (null: fetch one again when needed).
  void Attach(platform::Canvas* canvas);
  void FreeHandle();
  // Runs paint drawing on canvas in the control's font, then lets go of canvas.
  void PaintOn(platform::Canvas& canvas, const std::function<void()>& paint);

 protected:
  void CreateHandle() override;

 private:
  TControl& control_;
  std::optional<platform::WindowCanvas> window_;
};

// Lets go of every canvas fetched outside painting, so what was drawn shows.
void FreeDeviceContexts();

}  // namespace framework
