#include <benchmark/benchmark.h>

#include "platform/headless/Headless.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"

namespace {

using namespace platform;

HWND FullWindow(WindowProc proc = {}) {
  CreateParams p;
  p.Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  p.Bounds = {0, 0, 800, 600};
  p.Proc = std::move(proc);
  return CreateWindow(p);
}

// A canvas over the whole 800 x 600 window, released: the clip is worked out and every pixel
// is presented.
void BM_PresentFullWindow(benchmark::State& state) {
  HeadlessSession session;
  const HWND h = FullWindow();
  for (auto _ : state) {
    WindowCanvas canvas = GetWindowCanvas(h);
    benchmark::DoNotOptimize(canvas->ClipRegion());
  }
  state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_PresentFullWindow);

// The default frame and a client fill, painted and presented at once.
void BM_RepaintFullWindow(benchmark::State& state) {
  HeadlessSession session;
  const HWND h = FullWindow();
  for (auto _ : state)
    RedrawWindow(h, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}
BENCHMARK(BM_RepaintFullWindow);

// 1,000,000 messages sent to a procedure that answers them.
void BM_SendMillionMessages(benchmark::State& state) {
  HeadlessSession session;
  int handled = 0;
  const HWND h = FullWindow([&handled](HWND w, TMessage& m) {
    if (m.Msg == WM_USER) {
      ++handled;
      m.Result = 1;
      return;
    }
    DefWindowProc(w, m);
  });
  for (auto _ : state) {
    for (int i = 0; i < 1'000'000; ++i) SendMessage(h, WM_USER, static_cast<WPARAM>(i));
  }
  benchmark::DoNotOptimize(handled);
  state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_SendMillionMessages)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
