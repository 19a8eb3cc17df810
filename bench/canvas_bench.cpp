#include <benchmark/benchmark.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

using platform::Bitmap;
using platform::Canvas;
using platform::TRect;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

void BM_FillWindow(benchmark::State& state) {
  Bitmap target(kWidth, kHeight);
  Canvas canvas(target);
  canvas.GetBrush().Color = platform::clBtnFace;
  for (auto _ : state) {
    canvas.FillRect({0, 0, kWidth, kHeight});
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_FillWindow);

// Argument 1 copies through a clip of many bands, as a window with a cut-out region gives.
void BM_CopyWindow(benchmark::State& state) {
  Bitmap source(kWidth, kHeight);
  source.Fill(platform::clSkyBlue);
  Bitmap target(kWidth, kHeight);
  Canvas from(source);
  Canvas to(target);
  if (state.range(0) != 0) {
    platform::Region clip(TRect{0, 0, kWidth, kHeight});
    for (int i = 0; i < 8; ++i) clip.Exclude({i, i, i + 1, i + 1});
    to.SetClipRegion(clip);
  }
  const TRect all{0, 0, kWidth, kHeight};
  for (auto _ : state) {
    to.CopyRect(all, from, all);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_CopyWindow)->Arg(0)->Arg(1);

}  // namespace
