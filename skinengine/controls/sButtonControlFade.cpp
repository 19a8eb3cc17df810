#include "framework/forms/Application.h"
#include "platform/window/Paint.h"
#include "skinengine/controls/sButtonControl.h"
#include "skinengine/pixels/sGraphUtils.h"

namespace sButtonControl {

using namespace framework;

TFadeTimer::TFadeTimer(TsButtonControl* button) : TTimer(button), button_(button) {
  SetEnabled(false);
  SetOnTimer([this](TObject*) { Tick(); });
}

void TFadeTimer::SetFadeDirection(TFadeDirection direction) {
  direction_ = direction;
  SetEnabled(direction != TFadeDirection::None);
}

void TFadeTimer::Tick() {
  const TApplication* application = Application();
  if (button_->ComponentState().Contains(csDestroying) ||
      (application && application->Terminated()))
    return SetFadeDirection(TFadeDirection::None);
  const int iterations = button_->sStyle_->FadeSettings().Iterations;
  int& step = button_->fadeStep_;
  if (step > iterations || step < 0) {
    step = step < 0 ? 0 : iterations;
    SetFadeDirection(TFadeDirection::None);
    button_->Restyle();
    return;
  }
  if (direction_ != TFadeDirection::None) button_->DrawFadeFrame(direction_);
}

void TsButtonControl::FadeIn() {
  StartFade(TFadeDirection::In);
}

// An interrupted fade in turns back from where it was.
void TsButtonControl::FadeOut() {
  StartFade(TFadeDirection::Out);
}

void TsButtonControl::StartFade(TFadeDirection direction) {
  const sStyleUtil::TsFadeSettings fade = sStyle_->FadeSettings();
  if (!fade.Enabled) return;
  previousImage_ = sStyle_->CacheBmp()->Data();
  sStyle_->ResizeCache();
  PaintLook();
  if (direction == TFadeDirection::In) fadeStep_ = 1;
  fadeTimer_->SetFadeDirection(TFadeDirection::None);
  fadeTimer_->SetInterval(static_cast<std::uint32_t>(
      direction == TFadeDirection::In ? fade.IntervalIn : fade.IntervalOut));
  fadeTimer_->SetFadeDirection(direction);
}

// The cache already holds the look the fade was heading for: the screen shows it rather
// than the frame it stopped at.
void TsButtonControl::StopFade() {
  if (Fading()) TCustomControl::Invalidate();
  fadeTimer_->SetFadeDirection(TFadeDirection::None);
  fadeStep_ = sStyle_->FadeSettings().Iterations - 1;
}

// Frames go to the screen only; the cache keeps the final look. Going in, the frame at the
// last step is the new look exactly; going out, the one at step 0 is almost the normal look.
// The step moves on before drawing, so a frame that fails to draw is still passed.
void TsButtonControl::DrawFadeFrame(TFadeDirection direction) {
  if (ComponentState().Contains(csDestroying)) return;
  const bool in = direction == TFadeDirection::In;
  const int alpha = fadeStep_ * 255 / sStyle_->FadeSettings().Iterations;
  fadeStep_ += in ? 1 : -1;
  const platform::Bitmap& cache = sStyle_->CacheBmp()->Data();
  platform::Bitmap frame = in ? previousImage_ : cache;
  frame.SetSize(cache.Width(), cache.Height());
  sGraphUtils::BlendBitmaps(frame, in ? cache : previousImage_,
                            sGraphUtils::GreyWeight(255 - alpha));
  if (!HandleAllocated()) return;
  platform::WindowCanvas canvas = platform::GetClientCanvas(Handle());
  canvas->Draw(0, 0, frame);
}

}  // namespace sButtonControl
