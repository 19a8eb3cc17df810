#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// The lines of an m x m table: a gently warped grid that fills most of the drawing area.
std::vector<std::string> TableLines(int m) {
  std::vector<std::string> lines{std::to_string(m) + "x" + std::to_string(m)};
  for (int a = 0; a < m; ++a) {
    for (int b = 0; b < m; ++b) {
      const int x = b * 300 / (m - 1) + (a % 2) * 10;
      const int y = a * 300 / (m - 1) + (b % 3) * 7;
      const int z = ((a * 37 + b * 53) % 200);
      lines.push_back(std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z));
    }
  }
  return lines;
}

// What "Gambar Kurva" does after the gauge: the table into the point store, then the net and
// the surface onto the drawing area.
void BM_DrawSurface(benchmark::State& state) {
  const std::vector<std::string> lines = TableLines(static_cast<int>(state.range(0)));
  platform::Bitmap picture(Bezier::AreaWidth, Bezier::AreaHeight);
  picture.Fill(platform::clBtnFace);
  platform::Canvas area(picture);
  for (auto _ : state) {
    const Bezier::TPointTable table = Bezier::ReadPointTable(lines);
    Bezier::DrawSurface(area, table.M - 1, table.N - 1, table.Points);
    benchmark::DoNotOptimize(picture.ScanLine(0));
  }
}
BENCHMARK(BM_DrawSurface)->Arg(2)->Arg(4)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace
