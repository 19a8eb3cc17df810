// Choosing a skin from the "Tampilan" menu with the main window open, from the choice to the
// last window repainted, to the dark folder skin and back to the stored one; and start-up with
// a remembered folder skin against the stored one.
#include <benchmark/benchmark.h>
#include <string>

#include "app/Bezier.h"
#include "app/settings/Settings.h"
#include "app/skins/Appearance.h"
#include "bench/BenchSettings.h"
#include "framework/forms/Application.h"
#include "platform/headless/Headless.h"
#include "platform/window/Paint.h"
#include "resources/Embedded.h"

namespace {

using Bezier::settings::TSkinChoice;
using Bezier::settings::TSkinKind;

const TSkinChoice DarkSkin{TSkinKind::Folder, BEZIER_SKINS_FOLDER "/Velora Gelap"};
const TSkinChoice StoredSkin{};

// Everything the window and its controls have to paint, painted now.
void PaintAll(Bezier::TForm1& form) {
  framework::Application()->ProcessMessages();
  platform::RedrawWindow(form.Handle(), nullptr,
                         platform::RDW_UPDATENOW | platform::RDW_ALLCHILDREN);
}

struct MainWindow {
  MainWindow() {
    resources::RegisterEmbeddedResources();
    form = app.CreateForm<Bezier::TForm1>();
    form->ShowForm();
    PaintAll(*form);
  }

  platform::HeadlessSession session;
  framework::TApplication app;
  Bezier::TForm1* form = nullptr;
};

// Argument 0 switches to the dark folder skin, 1 to the stored skin; the other switch of each
// round is not timed.
void BM_SwitchSkin(benchmark::State& state) {
  const benchsupport::TBenchSettings own;
  MainWindow window;
  Bezier::skins::TAppearance& appearance = window.form->Appearance();
  const bool toFolder = state.range(0) == 0;
  for (auto _ : state) {
    state.PauseTiming();
    appearance.ChooseSkin(toFolder ? StoredSkin : DarkSkin);
    PaintAll(*window.form);
    state.ResumeTiming();
    appearance.ChooseSkin(toFolder ? DarkSkin : StoredSkin);
    PaintAll(*window.form);
  }
}
BENCHMARK(BM_SwitchSkin)->ArgName("to_stored")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Argument 0 starts in the stored skin, 1 in the remembered dark skin: the window created,
// the remembered choices applied and everything painted.
void BM_StartUp(benchmark::State& state) {
  const benchsupport::TBenchSettings own;
  Bezier::settings::TSettings settings;
  if (state.range(0) == 1) settings.Skin = DarkSkin;
  Bezier::settings::WriteSettings(Bezier::settings::SettingsPath(), settings);
  resources::RegisterEmbeddedResources();
  for (auto _ : state) {
    platform::HeadlessSession session;
    framework::TApplication app;
    auto* form = app.CreateForm<Bezier::TForm1>();
    form->Appearance().ApplyRemembered();
    form->ShowForm();
    PaintAll(*form);
  }
}
BENCHMARK(BM_StartUp)->ArgName("remembered_folder")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
