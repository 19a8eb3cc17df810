#pragma once

#include "platform/window/WindowTypes.h"

namespace framework {
class TBitmap;
class TComponent;
}  // namespace framework

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

// SM_GETFRAMEPAINTER's result, and back.
inline platform::LRESULT FramePainterResult(TsFramePainter* painter) {
  return reinterpret_cast<platform::LRESULT>(painter);
}
inline TsFramePainter* FramePainterOfResult(platform::LRESULT result) {
  return reinterpret_cast<TsFramePainter*>(result);
}

// The frame painter of the form a component belongs to, the first form up its chain of owners,
// as that form answers SM_GETFRAMEPAINTER; null when there is none.
TsFramePainter* FramePainterOf(framework::TComponent* component);

}  // namespace sSkinManager
