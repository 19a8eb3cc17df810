// Getting a surface out and a table in: a 9 x 9 net exported as a 256 x 256 mesh in each format
// (tessellation, mesh and file), and all rows of a 10,000-point table opened from a file copied
// to and pasted from the clipboard in the real main window.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/Bezier.h"
#include "app/export/MeshExport.h"
#include "app/export/WindowExports.h"
#include "framework/forms/Application.h"
#include "platform/headless/Headless.h"
#include "platform/kernel/Files.h"
#include "platform/window/Clipboard.h"
#include "resources/Embedded.h"
#include "styled/suiGrid.h"

namespace {

const std::string Folder = std::filesystem::temp_directory_path() / "bezier_export_bench_";

// Argument: 0 OBJ, 1 STL, 2 PLY, as bezier-render --mesh writes them.
void BM_MeshExport(benchmark::State& state) {
  std::vector<Bezier::TVec3> net;
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) net.push_back({30.0 * i, 30.0 * j, (i * j * 37) % 200 - 100.0});
  const Bezier::TPatch patch(9, 9, net);
  const char* const extensions[] = {".obj", ".stl", ".ply"};
  const std::string file = Folder + extensions[state.range(0)];
  const auto format = static_cast<Bezier::TMeshFormat>(state.range(0));
  for (auto _ : state) {
    const std::string bytes = Bezier::SurfaceMesh(patch, 256, format);
    platform::WriteBinaryFile(file,
                              {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_MeshExport)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A table of 10,000 points as text; another offset changes every value.
std::string Points(int offset, const char* separator, const char* lineEnd) {
  std::string text;
  for (int k = offset; k < offset + 10000; ++k)
    text += std::to_string(k) + separator + std::to_string(-k) + separator + std::to_string(k * 7) +
            lineEnd;
  return text;
}

// The real window with a 100 x 100 table read through File > Open.
struct TableWindow {
  TableWindow() {
    resources::RegisterEmbeddedResources();
    form = app.CreateForm<Bezier::TForm1>();
    form->ShowForm();
    platform::WriteTextFile(file, "100x100\r\n" + Points(0, " ", "\r\n"));
    session.Backend().AnswerFileDialog(file);
    form->OpenClick(nullptr);
  }
  ~TableWindow() { std::filesystem::remove(file); }

  // Ctrl+C or Ctrl+V in the table.
  void Press(char letter) {
    std::uint16_t key = static_cast<std::uint16_t>(letter);
    form->Exports->TableKeyDown(form->SGInput, key, {framework::ssCtrl});
  }

  const std::string file = Folder + "table.txt";
  platform::HeadlessSession session;
  framework::TApplication app;
  Bezier::TForm1* form = nullptr;
};

void BM_CopyTable(benchmark::State& state) {
  TableWindow window;
  for (auto _ : state) window.Press('C');
  state.counters["bytes"] = static_cast<double>(platform::GetClipboardText().size());
}
BENCHMARK(BM_CopyTable)->Unit(benchmark::kMillisecond);

// Every cell changes with each paste: the clipboard holds the other of two tables.
void BM_PasteTable(benchmark::State& state) {
  TableWindow window;
  const std::string tables[] = {Points(1, "\t", "\r\n"), Points(0, "\t", "\r\n")};
  int next = 0;
  for (auto _ : state) {
    state.PauseTiming();
    platform::SetClipboardText(tables[next]);
    next = 1 - next;
    state.ResumeTiming();
    window.Press('V');
  }
}
BENCHMARK(BM_PasteTable)->Unit(benchmark::kMillisecond);

}  // namespace
