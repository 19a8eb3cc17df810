#include "framework/controls/CustomControl.h"

#include "framework/classes/ClassBuilder.h"

namespace framework {

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>(*this)) {}

TCustomControl::~TCustomControl() = default;

const TClassInfo& TCustomControl::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TCustomControl, TWinControl>("TCustomControl").Build();
  return info;
}

void TCustomControl::PaintWindow(platform::Canvas& canvas) {
  canvas_->PaintOn(canvas, [this] { Paint(); });
}

}  // namespace framework
