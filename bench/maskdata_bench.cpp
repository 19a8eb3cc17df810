// Masked borders and glyph cells as controls repaint them: a speed button's rounded border
// with its region, a large panel, and a check box glyph.
#include <benchmark/benchmark.h>

#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"

namespace {

using sSkinManager::SkinTransparentColor;

// A border mask with rounded-off corners (transparent) and a half-transparent centre.
platform::Bitmap Mask(int width, int height) {
  platform::Bitmap mask(width, height);
  const int half = height / 2;
  for (int y = 0; y < half; ++y)
    for (int x = 0; x < width; ++x) {
      const int cx = x % (width / 3);
      const bool corner = (cx < 2 || cx >= width / 3 - 2) && (y < 2 || y >= half - 2);
      mask.SetPixel(x, y, corner ? SkinTransparentColor : platform::RGB(x * 3, y * 5, 200));
      mask.SetPixel(x, y + half, static_cast<platform::TColor>(y * 4) * 0x010101u);
    }
  return mask;
}

void BM_MaskedButtonBorder(benchmark::State& state) {
  const platform::Bitmap mask = Mask(144, 60);
  platform::Bitmap cache(110, 26);
  for (auto _ : state) {
    platform::Region region(cache.BoundsRect());
    sMaskData::PaintMaskedBorder(cache, mask, 1, true, SkinTransparentColor, region);
    benchmark::DoNotOptimize(region);
  }
}
BENCHMARK(BM_MaskedButtonBorder);

void BM_SectionBorderPanel(benchmark::State& state) {
  const platform::Bitmap mask = Mask(135, 90);
  platform::Bitmap cache(503, 455);
  for (auto _ : state) {
    sMaskData::PaintSectionBorder(cache, mask, 0, true, cache.BoundsRect());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SectionBorderPanel);

void BM_GlyphCell(benchmark::State& state) {
  const platform::Bitmap glyph = Mask(48, 36);
  platform::Bitmap cache(100, 20);
  for (auto _ : state) {
    sMaskData::PaintGlyphCell(cache, glyph, {0, 0}, sMaskData::GlyphMode::Plain,
                              SkinTransparentColor, 1);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_GlyphCell);

}  // namespace
