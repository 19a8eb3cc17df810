#include <benchmark/benchmark.h>

#include <string_view>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

using platform::Bitmap;
using platform::BrushStyle;
using platform::Canvas;
using platform::TRect;

constexpr std::string_view kCaption = "Nilai m (1 < m < 10)";
constexpr std::string_view kHint = "Masukan Nilai M = 1<m<10, lalu tekan Nilai (M x N) untuk tabel";

// A typical 20-character label caption on a clear brush; the glyphs are cached beforehand.
void BM_TextOutCaption(benchmark::State& state) {
  Bitmap bitmap(200, 20);
  Canvas canvas(bitmap);
  canvas.GetBrush().Style = BrushStyle::Clear;
  canvas.TextOut(2, 2, kCaption);
  for (auto _ : state) {
    canvas.TextOut(2, 2, kCaption);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCaption.size()));
}
BENCHMARK(BM_TextOutCaption);

// A hint wrapped at word boundaries into a narrow centred box on an opaque brush.
void BM_DrawTextWordBreak(benchmark::State& state) {
  Bitmap bitmap(140, 100);
  Canvas canvas(bitmap);
  constexpr unsigned flags = platform::DT_WORDBREAK | platform::DT_CENTER;
  TRect rect{4, 4, 124, 96};
  canvas.DrawText(kHint, rect, flags);
  for (auto _ : state) {
    benchmark::DoNotOptimize(canvas.DrawText(kHint, rect, flags));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kHint.size()));
}
BENCHMARK(BM_DrawTextWordBreak);

}  // namespace
