// The main window's skinned frame: rebuilding the whole frame cache (797 x 541: the form's
// section, the title, the menu bar, the icon and the caption), copying the frame round the
// client area to the screen, and redrawing one hot title button.
#include <benchmark/benchmark.h>

#include "app/Bezier.h"
#include "framework/forms/Application.h"
#include "platform/headless/Headless.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "resources/Embedded.h"
#include "skinengine/frame/sSkinProvider.h"

namespace {

struct MainWindow {
  MainWindow() {
    resources::RegisterEmbeddedResources();
    window = app.CreateForm<Bezier::TForm1>();
    window->ShowForm();
    platform::UpdateWindow(window->Handle());
  }
  sSkinProvider::TsSkinProvider& Provider() { return *window->sSkinProvider1; }

  platform::HeadlessSession session;
  framework::TApplication app;
  Bezier::TForm1* window = nullptr;
};

void BM_RebuildFrameCache(benchmark::State& state) {
  MainWindow main;
  for (auto _ : state) {
    main.Provider().SetCacheStale(true);
    main.Provider().BuildCache();
    benchmark::DoNotOptimize(main.Provider().FrameCache().Data().ScanLine(0));
  }
}
BENCHMARK(BM_RebuildFrameCache)->Unit(benchmark::kMicrosecond);

void BM_NonClientCopy(benchmark::State& state) {
  MainWindow main;
  for (auto _ : state) main.Provider().CopyNonClient();
}
BENCHMARK(BM_NonClientCopy)->Unit(benchmark::kMicrosecond);

// The main window has no title buttons; here it shows the three of a sizeable window.
void BM_RedrawHotTitleButton(benchmark::State& state) {
  MainWindow main;
  main.Provider().SetBorderIcons(sSkinProvider::TsSkinProvider::DefaultBorderIcons);
  main.Provider().SetCacheStale(true);
  main.Provider().BuildCache();
  for (auto _ : state) main.Provider().RedrawTitleButton(platform::HTCLOSE);
}
BENCHMARK(BM_RedrawHotTitleButton)->Unit(benchmark::kMicrosecond);

}  // namespace
