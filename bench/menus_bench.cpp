// Opening the main window's File drop-down, from the click on the bar to the painted popup,
// with every menu taken over by the skin's menu painter: with the popup's background painted
// the first time, and kept from the time before.
#include <benchmark/benchmark.h>

#include <optional>

#include "app/Bezier.h"
#include "framework/forms/Application.h"
#include "platform/headless/Headless.h"
#include "platform/window/Menus.h"
#include "platform/window/Messages.h"
#include "resources/Embedded.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/skinengine/controls/TestFramePainter.h"

namespace {

struct Desktop {
  Desktop() {
    resources::RegisterEmbeddedResources();
    form = app.CreateForm<Bezier::TForm1>();
    form->ShowForm();
    painter = form->sSkinManager1->SkinableMenus();
    frame.emplace(*form, painter);
    frame->PaintStrip(form->Width());
    painter->SkinAll(true);
    platform::DrawMenuBar(form->Handle());
    const platform::TRect r =
        platform::GetMenuItemRect(form->Handle(), platform::GetMenu(form->Handle()), 0);
    file = {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Close() {
    session.PressKey(platform::VK_ESCAPE);
    session.PressKey(platform::VK_ESCAPE);
  }

  platform::HeadlessSession session;
  framework::TApplication app;
  Bezier::TForm1* form = nullptr;
  sSkinManager::TsMenuPainter* painter = nullptr;
  std::optional<menutests::TTestFrame> frame;
  platform::TPoint file;
};

void OpenFileDropDown(benchmark::State& state, bool cached) {
  Desktop desktop;
  desktop.session.Click(desktop.file);
  desktop.Close();
  for (auto _ : state) {
    if (!cached) {
      state.PauseTiming();
      desktop.painter->FlushPictureCache();
      state.ResumeTiming();
    }
    desktop.session.Click(desktop.file);
    state.PauseTiming();
    if (!platform::IsMenuActive()) state.SkipWithError("the drop-down did not open");
    desktop.Close();
    state.ResumeTiming();
  }
}

void BM_OpenFileDropDown(benchmark::State& state) {
  OpenFileDropDown(state, true);
}
BENCHMARK(BM_OpenFileDropDown)->Unit(benchmark::kMicrosecond);

void BM_OpenFileDropDownFirstTime(benchmark::State& state) {
  OpenFileDropDown(state, false);
}
BENCHMARK(BM_OpenFileDropDownFirstTime)->Unit(benchmark::kMicrosecond);

}  // namespace
