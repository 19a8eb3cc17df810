// The skin engine's per-pixel routines over a window-sized bitmap, beside a plain copy of the
// same bitmap as the yardstick: a blend should cost no more than about three copies. A masked
// border reads a picture and a mask pixel for each target pixel, so it is a blend too.
#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFile.h"
#include "platform/kernel/Resources.h"
#include "resources/Embedded.h"
#include "skinengine/pixels/sGradient.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/skin/sSkinLists.h"

namespace {

using platform::Bitmap;
using sSkinManager::SkinTransparentColor;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

Bitmap Filled(platform::TColor color) {
  Bitmap bitmap(kWidth, kHeight);
  bitmap.Fill(color);
  return bitmap;
}

void BM_PlainCopy(benchmark::State& state) {
  const Bitmap source = Filled(platform::clSkyBlue);
  Bitmap target(kWidth, kHeight);
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(target.ScanLine(y), source.ScanLine(y), source.Stride());
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_PlainCopy);

void BM_BlendBitmaps(benchmark::State& state) {
  Bitmap a = Filled(platform::clSkyBlue);
  const Bitmap b = Filled(platform::clMaroon);
  for (auto _ : state) {
    sGraphUtils::BlendBitmaps(a, b, sGraphUtils::GreyWeight(128));
    benchmark::DoNotOptimize(a.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_BlendBitmaps);

void BM_BlendColorMask(benchmark::State& state) {
  Bitmap bitmap = Filled(platform::clSkyBlue);
  const Bitmap mask = Filled(sGraphUtils::GreyWeight(127));
  for (auto _ : state) {
    sGraphUtils::BlendColorMask(bitmap, mask, platform::clNavy);
    benchmark::DoNotOptimize(bitmap.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_BlendColorMask);

// A colour laid over the whole picture with 30 % showing through, as a background composes.
void BM_OverlayColor(benchmark::State& state) {
  Bitmap bitmap = Filled(platform::clSkyBlue);
  for (auto _ : state) {
    sGraphUtils::OverlayColor(bitmap, platform::clNavy, 30);
    benchmark::DoNotOptimize(bitmap.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_OverlayColor);

// Argument 0 fills top to bottom, 1 left to right.
void BM_PaintGradient(benchmark::State& state) {
  Bitmap bitmap(kWidth, kHeight);
  sGradient::GradientArray steps;
  sGradient::ParseGradientData(state.range(0) == 0
                                   ? "12632256;16777215;49;0;0;16777215;8421504;34;0;0;"
                                     "8421504;16777215;16;0;0;16777215;16777215;0;0;0"
                                   : "12632256;16777215;49;1;0;16777215;8421504;34;1;0;"
                                     "8421504;16777215;16;1;0;16777215;16777215;0;1;0",
                               steps);
  for (auto _ : state) {
    sGradient::PaintGradient(bitmap, bitmap.BoundsRect(), steps);
    benchmark::DoNotOptimize(bitmap.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_PaintGradient)->Arg(0)->Arg(1);

// The built-in button border (three states, rounded transparent corners) over a whole
// window-sized control, centre filled, region cut as a control's paint does.
void BM_PaintMaskedBorder(benchmark::State& state) {
  resources::RegisterEmbeddedResources();
  const Bitmap mask = platform::ReadBmp(platform::LoadResource("BORD1"));
  Bitmap bitmap = Filled(platform::clSkyBlue);
  for (auto _ : state) {
    platform::Region region(bitmap.BoundsRect());
    sMaskData::PaintMaskedBorder(bitmap, mask, 1, true, SkinTransparentColor, region);
    benchmark::DoNotOptimize(region);
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_PaintMaskedBorder);

}  // namespace
