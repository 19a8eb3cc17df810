#include "controls/sButtonControl.h"
#include "controls/sPlainPaint.h"
#include "platform/graphics/Canvas.h"

namespace sButtonControl {

using namespace framework;
using namespace platform;

// While a fade runs the cache already holds the final look, which the fade shows at its end.
void TsButtonControl::Paint() {
  if (ComponentState().Contains(csDestroying) || !Parent() || !sStyle_) return;
  if (sStyle_->CacheStale() && !Fading()) PaintLook();
  sStyle_->CopyCache(*Canvas()->Handle(), {0, 0, Width(), Height()});
}

void TsButtonControl::PaintLook() {
  sStyle_->ResizeCache();
  sStyle_->PaintBackground();
  PaintContent();
}

void TsButtonControl::PaintContent() {
  const TRect all{0, 0, Width(), Height()};
  sStyle_->PaintBevelFrame(all);
  if (!showCaption_) return;
  TCanvas& canvas = *sStyle_->CacheBmp()->Canvas();
  canvas.SetFont(Font());
  if (sStyle_->IsActive()) canvas.Font()->SetColor(sStyle_->HotFontColor());
  // A pressed face moves its content one pixel right and down.
  const TRect text = Pressed() ? all.Offset(1, 1) : all;
  sPlainPaint::DrawCaption(canvas, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                           Enabled());
}

}  // namespace sButtonControl
