// The style pipeline at the main window's sizes: composing an 84 x 22 speed button bound to the
// stored skin over a frame picture (half and 60 % of it showing through), the 505 x 17 gauge
// with its picture and gradient at 50 % each, and one frame of the main window's button
// fading. A plain copy of a button's cache is the yardstick: a blend should cost no more than
// three of them.
#include <benchmark/benchmark.h>

#include <cstring>

#include "app/Bezier.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/JpegImage.h"
#include "platform/headless/Headless.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sGauge.h"
#include "skinengine/skin/sFramePicture.h"
#include "skinengine/skin/sMessages.h"
#include "tests/support/JpegEncoder.h"

namespace {

using sCustomButton::TsSpeedButton;

// A form whose frame painter holds an 800 x 600 picture, as a skinned form answers.
class TFramedForm : public framework::TForm {
 public:
  explicit TFramedForm(framework::TComponent* owner) : TForm(owner), picture_(800, 600) {
    picture_.Fill(platform::clSkyBlue);
  }

 protected:
  void WndProc(platform::TMessage& message) override {
    if (message.Msg == sMessages::SM_GETFRAMEPICTURE) {
      sSkinManager::FramePicture() = {&picture_, {4, 42}};
      message.Result = 1;
      return;
    }
    TForm::WndProc(message);
  }

 private:
  platform::Bitmap picture_;
};

// The main window (which loads the stored skin) and a framed form beside it.
struct Desktop {
  Desktop() {
    resources::RegisterEmbeddedResources();
    window = app.CreateForm<Bezier::TForm1>();
    framed = app.CreateForm<TFramedForm>();
    framed->SetBounds(0, 0, 400, 300);
    framed->ShowForm();
  }
  TsSpeedButton* Button() {
    auto* button = new TsSpeedButton(framed);
    button->SetParent(framed);
    button->SetBounds(20, 10, 84, 22);
    return button;
  }

  platform::HeadlessSession session;
  framework::TApplication app;
  Bezier::TForm1* window = nullptr;
  TFramedForm* framed = nullptr;
};

void BM_CopyButtonCache(benchmark::State& state) {
  platform::Bitmap source(84, 22);
  platform::Bitmap target(84, 22);
  for (auto _ : state) {
    for (int y = 0; y < 22; ++y) std::memcpy(target.ScanLine(y), source.ScanLine(y), 84 * 3);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}
BENCHMARK(BM_CopyButtonCache);

// Argument 0 the normal look, 1 the hot one.
void BM_ComposeSpeedButton(benchmark::State& state) {
  Desktop desktop;
  TsSpeedButton* button = desktop.Button();
  if (state.range(0) == 1) button->Perform(framework::CM_MOUSEENTER);
  sStyleUtil::TsActiveBGStyle& style = *button->sStyle();
  style.ResizeCache();
  for (auto _ : state) {
    style.PaintBackground();
    benchmark::DoNotOptimize(style.CacheBmp()->Data().ScanLine(0));
  }
}
BENCHMARK(BM_ComposeSpeedButton)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ComposeGauge(benchmark::State& state) {
  Desktop desktop;
  sStyleUtil::TsPassiveBGStyle style(desktop.window->Bar);
  style.Painting()->SetColor(platform::clLime);
  testsupport::Picture samples{64, 32, 3, {}};
  for (int i = 0; i < 64 * 32 * 3; ++i) samples.samples.push_back(static_cast<std::uint8_t>(i));
  framework::TJPEGImage jpeg;
  jpeg.LoadFromData(testsupport::EncodeJpeg(samples));
  style.Background()->Image()->Image()->SetGraphic(&jpeg);
  style.Background()->Image()->SetPercent(50);
  style.Background()->Gradient()->SetData("8421504;16777215;99;0;0;16777215;16777215;0;0;0");
  style.Background()->Gradient()->SetPercent(50);
  style.ResizeCache();
  for (auto _ : state) {
    style.PaintBackground();
    benchmark::DoNotOptimize(style.CacheBmp()->Data().ScanLine(0));
  }
}
BENCHMARK(BM_ComposeGauge)->Unit(benchmark::kMicrosecond);

// One frame of the main window's "Nilai (M x N)" button fading in through the stored skin's
// four steps: the old look blended with the new one and put on the screen. Starting the fade
// (which paints the new look) and its closing repaint are left out of the time.
void BM_FadeFrame(benchmark::State& state) {
  Desktop desktop;
  desktop.window->ShowForm();
  TsSpeedButton* button = desktop.window->BtMxN;
  const int iterations = button->sStyle()->FadeSettings().Iterations;
  for (auto _ : state) {
    if (button->FadeTimer()->FadeDirection() == sButtonControl::TFadeDirection::None ||
        button->FadeStep() > iterations) {
      state.PauseTiming();
      button->FadeTimer()->Tick();
      button->FadeIn();
      state.ResumeTiming();
    }
    button->FadeTimer()->Tick();
  }
}
BENCHMARK(BM_FadeFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
