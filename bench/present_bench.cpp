// Presenting the main window on a real display: one full frame from the window's picture to
// the screen, at factor 1 and as sharp 2 x 2 blocks at factor 2. Needs an X display large
// enough for the doubled window, such as
//   xvfb-run -s "-screen 0 3840x2160x24" build/bench/bench/present_bench
// and skips without one.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "app/Bezier.h"
#include "framework/forms/Application.h"
#include "platform/desktop/Desktop.h"
#include "platform/window/Paint.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"
#include "resources/Embedded.h"

namespace {

void BM_PresentMainWindow(benchmark::State& state) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') {
    state.SkipWithError("no X display");
    return;
  }
  const int factor = static_cast<int>(state.range(0));
  setenv("GDK_SCALE", std::to_string(factor).c_str(), 1);
  resources::RegisterEmbeddedResources();
  platform::StartWindowSystem(platform::CreateDesktopBackend());
  {
    framework::TApplication app;
    auto* form = app.CreateForm<Bezier::TForm1>();
    form->ShowForm();
    platform::UpdateWindow(form->Handle());
    const platform::TRect whole{0, 0, form->Width(), form->Height()};
    for (auto _ : state) platform::PresentRect(form->Handle(), whole);
  }
  platform::StopWindowSystem();
}
BENCHMARK(BM_PresentMainWindow)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
