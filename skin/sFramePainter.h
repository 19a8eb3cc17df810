#pragma once

#include "platform/window/WindowTypes.h"

namespace framework {
class TBitmap;
}

namespace sSkinManager {

// A component that paints a form's frame from the skin. Skin notices reach it straight at its
// frame style, as it has no window of its own to receive them. A skinned form answers
// SM_GETFRAMEPAINTER with it.
class TsFramePainter {
 public:
  virtual void FrameStyleMessage(platform::TMessage& message) = 0;
  // The menu bar's background as the frame painted it, which the menu bar's items are drawn
  // over; null while the form shows no skinned menu bar.
  virtual const framework::TBitmap* MenuBarStrip() const = 0;

 protected:
  TsFramePainter() = default;
  TsFramePainter(const TsFramePainter&) = default;
  TsFramePainter& operator=(const TsFramePainter&) = default;
  ~TsFramePainter() = default;
};

}  // namespace sSkinManager
