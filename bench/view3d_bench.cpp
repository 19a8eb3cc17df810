// The 3-D view: one frame at 1024 x 768 of a 9 x 9 and a 100 x 100 net (the surface shaded at
// 64 x 64, iso-parameter lines, net, markers, axes and grid), one step of a drag from the mouse
// move to the presented frame with the table written, and opening the view to its first frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "app/Bezier.h"
#include "app/view3d/ViewForm.h"
#include "app/view3d/ViewRender.h"
#include "framework/forms/Application.h"
#include "platform/headless/Headless.h"
#include "platform/window/Paint.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sEdit.h"
#include "styled/suiGrid.h"

namespace {

using namespace Bezier;

constexpr int Width = 1024;
constexpr int Height = 768;

// A wavy net of m x n points over 600 x 600 units.
TVec3 NetPoint(int a, int b, int m, int n) {
  const double x = 600.0 * a / (m - 1), z = 600.0 * b / (n - 1);
  return {x, std::round(300 + 120 * std::sin(x / 90) * std::cos(z / 110)), z};
}

TViewScene Scene(int m, int n) {
  TViewNet net;
  net.M = m;
  net.N = n;
  for (int a = 0; a < m; ++a)
    for (int b = 0; b < n; ++b) net.Points.push_back(NetPoint(a, b, m, n));
  net.Valid.assign(net.Points.size(), true);
  return BuildScene(std::move(net), TViewOptions{});
}

TCamera Turned(const TViewScene& scene) {
  TCamera camera;
  camera.Orbit(40, -30, scene.Bounds->Centre());
  camera.Fit(*scene.Bounds, scene.Net.Points, Width, Height);
  return camera;
}

void BM_Frame(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const TViewScene scene = Scene(size, size);
  const TCamera camera = Turned(scene);
  TViewFrame frame;
  for (auto _ : state) RenderView(frame, Width, Height, camera, scene, TViewOptions{}, 0);
}
BENCHMARK(BM_Frame)->Arg(9)->Arg(100)->Unit(benchmark::kMillisecond);

// The tool on the headless desktop with a 9 x 9 table.
struct Tool {
  Tool() {
    resources::RegisterEmbeddedResources();
    form = app.CreateForm<TForm1>();
    form->ShowForm();
    form->EdM->SetText("9");
    form->EdN->SetText("9");
    form->SGInput->SetRowCount(82);
    for (int k = 0; k < 81; ++k) {
      const TVec3 p = NetPoint(k / 9, k % 9, 9, 9);
      for (int axis = 0; axis < 3; ++axis)
        form->SGInput->SetCells(axis + 1, k + 1, std::to_string(static_cast<int>(p[axis])));
    }
  }
  TViewForm& OpenView() {
    auto* view = new TViewForm(form, *form);
    view->SetClientWidth(Width);
    view->SetClientHeight(Height);
    view->Open();
    platform::UpdateWindow(view->Handle());
    return *view;
  }

  platform::HeadlessSession session{{0, 0, 2400, 1600}};
  framework::TApplication app;
  TForm1* form = nullptr;
};

void BM_OpenView(benchmark::State& state) {
  Tool tool;
  for (auto _ : state) delete &tool.OpenView();
}
BENCHMARK(BM_OpenView)->Unit(benchmark::kMillisecond);

// The pointer goes back and forth by a pixel while the point follows.
void BM_DragStep(benchmark::State& state) {
  Tool tool;
  TViewForm& view = tool.OpenView();
  const TViewPanel& panel = view.Panel();
  const platform::TPoint from =
      panel.ClientToScreen(*MarkerPixel(panel.Camera(), panel.Scene().Net.Points[40]));
  tool.session.Press(from);
  int step = 0;
  for (auto _ : state) {
    tool.session.MoveMouse({from.X + (++step & 1), from.Y});
    platform::UpdateWindow(view.Handle());
  }
  tool.session.Release(from);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

}  // namespace
