// The surface drawing: the stated arithmetic (the reference) and the tool's fast drawing side by
// side on the same tables, with the ratio of the two printed at the end; and the whole
// "Gambar Kurva" command on a headless desktop, where the gauge's pauses cost no time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/Bezier.h"
#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "framework/forms/Application.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/headless/Headless.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sEdit.h"
#include "styled/suiGrid.h"
#include "tests/support/SurfaceReference.h"

namespace {

// The rows of an m x m table: a gently warped grid that fills most of the drawing area.
std::vector<std::string> TableRows(int m) {
  std::vector<std::string> rows;
  for (int a = 0; a < m; ++a) {
    for (int b = 0; b < m; ++b) {
      const int x = b * 300 / (m - 1) + (a % 2) * 10;
      const int y = a * 300 / (m - 1) + (b % 3) * 7;
      const int z = ((a * 37 + b * 53) % 200);
      rows.push_back(std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z));
    }
  }
  return rows;
}

Bezier::TPointTable Table(int m) {
  std::vector<std::string> lines = TableRows(m);
  lines.insert(lines.begin(), std::to_string(m) + "x" + std::to_string(m));
  return Bezier::ReadPointTable(lines);
}

template <void (*Draw)(platform::Canvas&, std::int32_t, std::int32_t, const Bezier::MatA&)>
void BM_Draw(benchmark::State& state) {
  const Bezier::TPointTable table = Table(static_cast<int>(state.range(0)));
  platform::Bitmap picture(Bezier::AreaWidth, Bezier::AreaHeight);
  picture.Fill(platform::clBtnFace);
  platform::Canvas area(picture);
  for (auto _ : state) {
    Draw(area, table.M - 1, table.N - 1, table.Points);
    benchmark::DoNotOptimize(picture.ScanLine(0));
  }
}

// The net and both surface passes as stated: every term with its binomials and powers afresh.
void BM_Reference(benchmark::State& state) {
  BM_Draw<Bezier::reference::DrawSurface>(state);
}
BENCHMARK(BM_Reference)->Arg(2)->Arg(4)->Arg(9)->Unit(benchmark::kMillisecond);

// The same pixels as the tool draws them; and a net of 100 x 100 points, the largest a file
// may hold, drawn from the true surface.
void BM_DrawSurface(benchmark::State& state) {
  BM_Draw<Bezier::DrawSurface>(state);
}
BENCHMARK(BM_DrawSurface)->Arg(2)->Arg(4)->Arg(9)->Arg(100)->Unit(benchmark::kMillisecond);

// The click handler of "Gambar Kurva" on the real main window with a full m x m table: clearing,
// the gauge's hundred repaints, reading the table, drawing, keeping the picture.
void BM_GambarKurva(benchmark::State& state) {
  const int m = static_cast<int>(state.range(0));
  platform::HeadlessSession session;
  framework::TApplication app;
  resources::RegisterEmbeddedResources();
  Bezier::TForm1& form = *app.CreateForm<Bezier::TForm1>();
  form.ShowForm();
  form.EdM->SetText(std::to_string(m));
  form.EdN->SetText(std::to_string(m));
  form.BtMxNClick(nullptr);
  const std::vector<std::string> rows = TableRows(m);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const Bezier::TPointTexts cells = Bezier::SplitPointLine(rows[r]);
    const int row = static_cast<int>(r) + 1;
    form.SGInput->SetCells(1, row, cells.X);
    form.SGInput->SetCells(2, row, cells.Y);
    form.SGInput->SetCells(3, row, cells.Z);
  }
  for (auto _ : state) form.GambarClick(nullptr);
}
BENCHMARK(BM_GambarKurva)->Arg(9)->Arg(100)->Unit(benchmark::kMillisecond);

// Prints the usual table, then reference time / fast time for each table size, taking the
// best repetition of each so that a busy moment on a shared machine does not count.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.benchmark_name();
      const double time = run.GetAdjustedRealTime();
      const auto [it, added] = best_.emplace(name, time);
      if (!added) it->second = std::min(it->second, time);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* size : {"2", "4", "9"}) {
      const auto reference = best_.find(std::string("BM_Reference/") + size);
      const auto fast = best_.find(std::string("BM_DrawSurface/") + size);
      if (reference == best_.end() || fast == best_.end() || fast->second <= 0) continue;
      std::printf("%sx%s: reference %.2f ms, fast %.3f ms, ratio %.1f\n", size, size,
                  reference->second, fast->second, reference->second / fast->second);
    }
  }

 private:
  std::map<std::string, double> best_;
};

}  // namespace

// This program has its own main for the ratio report; the linker then leaves out the one of
// the benchmark library.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
