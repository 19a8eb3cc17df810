// The main window as the tool shows it: a full repaint of its client area with every control
// copying its cache (warm) or composing its look first (stale), and one step of the gauge as a
// draw makes it, from the new percentage to the pixels on the screen.
#include <benchmark/benchmark.h>

#include "app/Bezier.h"
#include "framework/controls/WinControl.h"
#include "framework/forms/Application.h"
#include "platform/headless/Headless.h"
#include "platform/window/Paint.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sGauge.h"
#include "skinengine/skin/sMessages.h"

namespace {

struct MainWindow {
  MainWindow() {
    resources::RegisterEmbeddedResources();
    form = app.CreateForm<Bezier::TForm1>();
    form->ShowForm();
    platform::UpdateWindow(form->Handle());
  }

  platform::HeadlessSession session;
  framework::TApplication app;
  Bezier::TForm1* form = nullptr;
};

// Every skinned control under parent marks its cache stale, as a new skin makes them.
void MarkCachesStale(const framework::TWinControl& parent) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    framework::TControl* control = parent.Controls(i);
    control->Perform(sMessages::SM_REBUILDCACHE, 0, 1);
    if (const auto* inner = dynamic_cast<const framework::TWinControl*>(control))
      MarkCachesStale(*inner);
  }
}

// Argument 0 repaints from warm caches, 1 from stale ones.
void BM_RepaintClientArea(benchmark::State& state) {
  MainWindow window;
  const bool stale = state.range(0) == 1;
  for (auto _ : state) {
    if (stale) MarkCachesStale(*window.form);
    platform::RedrawWindow(
        window.form->Handle(), nullptr,
        platform::RDW_INVALIDATE | platform::RDW_ALLCHILDREN | platform::RDW_UPDATENOW);
  }
}
BENCHMARK(BM_RepaintClientArea)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Progress runs through 1 to 100 over and over; every step shows a new percentage.
void BM_GaugeStep(benchmark::State& state) {
  MainWindow window;
  sGauge::TsGauge& gauge = *window.form->Bar;
  int progress = 0;
  for (auto _ : state) {
    progress = progress % 100 + 1;
    gauge.SetProgress(progress);
  }
}
BENCHMARK(BM_GaugeStep)->Unit(benchmark::kMicrosecond);

}  // namespace
