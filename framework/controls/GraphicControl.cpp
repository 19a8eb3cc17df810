#include "framework/controls/GraphicControl.h"

#include "framework/classes/ClassBuilder.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"

namespace framework {

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>(*this)) {}

TGraphicControl::~TGraphicControl() = default;

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TGraphicControl, TControl>("TGraphicControl").Build();
  return info;
}

void TGraphicControl::WndProc(TMessage& m) {
  platform::Canvas* given = m.Msg == platform::WM_PAINT ? platform::CanvasOf(m) : nullptr;
  if (!given) {
    TControl::WndProc(m);
    return;
  }
  canvas_->PaintOn(*given, [this] { Paint(); });
}

}  // namespace framework
