// Resident memory while the tool works for long: after a first hundred rounds have settled the
// caches, a thousand more (each drawing once and saving and opening a point file) must leave
// it where it was. The sanitizer build holds freed memory back on purpose and finds leaks by
// itself, so there a few rounds only show that the benchmark still runs.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "app/Bezier.h"
#include "framework/forms/Application.h"
#include "framework/forms/Menus.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/window/Input.h"
#include "platform/window/Windows.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BEZIER_HOLDS_FREED_MEMORY
#endif
#endif

#ifdef BEZIER_HOLDS_FREED_MEMORY
constexpr int SettlingRounds = 2;
constexpr int Rounds = 5;
#else
constexpr int SettlingRounds = 100;
constexpr int Rounds = 1000;
// What the allocator may keep for itself between two readings.
constexpr long AllowedGrowthKb = 512;
#endif

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0;
  long resident = 0;
  statm >> size >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// A headless desktop that answers every file dialog with the round's file. It keeps no record
// of the dialogs, as the tests' desktop does, so that only the tool's memory is measured.
class TFileAnswers : public platform::HeadlessBackend {
 public:
  std::optional<platform::FileDialogResult> ShowFileDialog(
      const platform::FileDialogParams&) override {
    return platform::FileDialogResult{File, 1};
  }
  std::string File;
};

// The main window with a 3 x 3 table ready to draw, and a folder for its point files.
class TWorkingTool {
 public:
  TWorkingTool()
      : folder_(std::filesystem::temp_directory_path() /
                ("memory_bench_" + std::to_string(::getpid()))) {
    auto desktop = std::make_unique<TFileAnswers>();
    desktop_ = desktop.get();
    platform::StartWindowSystem(std::move(desktop));
    resources::RegisterEmbeddedResources();
    std::filesystem::create_directories(folder_);
    app_ = std::make_unique<framework::TApplication>();
    form_ = app_->CreateForm<Bezier::TForm1>();
    form_->ShowForm();
    form_->EdM->SetText("3");
    form_->EdN->SetText("3");
    form_->BtMxNClick(nullptr);
    form_->BtnRandomClick(nullptr);
  }
  ~TWorkingTool() {
    app_.reset();
    platform::StopWindowSystem();
    std::filesystem::remove_all(folder_);
  }
  TWorkingTool(const TWorkingTool&) = delete;
  TWorkingTool& operator=(const TWorkingTool&) = delete;

  void Round(int k) {
    const platform::TPoint button = form_->Gambar->ClientToScreen({10, 10});
    platform::InputMouseMove(button);
    platform::InputMouseButton(button, platform::MouseButton::Left, true);
    platform::InputMouseButton(button, platform::MouseButton::Left, false);
    app_->ProcessMessages();
    desktop_->File = (folder_ / ("points" + std::to_string(k % 10) + ".txt")).string();
    form_->Save1->Click();
    form_->Open->Click();
  }

 private:
  TFileAnswers* desktop_ = nullptr;
  std::unique_ptr<framework::TApplication> app_;
  Bezier::TForm1* form_ = nullptr;
  std::filesystem::path folder_;
};

void BM_SteadyMemory(benchmark::State& state) {
  for (auto _ : state) {
    TWorkingTool tool;
    for (int k = 0; k < SettlingRounds; ++k) tool.Round(k);
    const long settled = ResidentKb();
    for (int k = 0; k < Rounds; ++k) tool.Round(k);
    const long after = ResidentKb();
    state.counters["resident_kb"] = static_cast<double>(after);
    state.counters["growth_kb"] = static_cast<double>(after - settled);
#ifndef BEZIER_HOLDS_FREED_MEMORY
    if (after - settled > AllowedGrowthKb)
      state.SkipWithError(
          ("resident memory grew by " + std::to_string(after - settled) + " KB").c_str());
#endif
  }
}
BENCHMARK(BM_SteadyMemory)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
