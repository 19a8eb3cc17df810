#pragma once

#include "platform/window/WindowTypes.h"

namespace sSkinManager {

// A component that paints a form's frame from the skin. Skin notices reach it straight at its
// frame style, as it has no window of its own to receive them.
class TsFramePainter {
 public:
  virtual void FrameStyleMessage(platform::TMessage& message) = 0;

 protected:
  TsFramePainter() = default;
  TsFramePainter(const TsFramePainter&) = default;
  TsFramePainter& operator=(const TsFramePainter&) = default;
  ~TsFramePainter() = default;
};

}  // namespace sSkinManager
