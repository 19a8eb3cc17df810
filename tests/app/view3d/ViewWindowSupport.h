#pragma once

// The main window with its 3-D view open, and the helpers the view's tests drive it by.

#include "app/view3d/ViewForm.h"
#include "app/view3d/ViewRender.h"
#include "tests/app/MainWindowSupport.h"
#include "tests/app/MenuPlaces.h"
#include "tests/app/SkinSupport.h"

namespace Bezier::testing {

// The view remembers its place in settings of the test's own, so it opens at its first place.
class ViewWindow : public OwnSettings, public MainWindow {
 protected:
  // A screen large enough for a view of 4000 x 3000.
  ViewWindow() : MainWindow(1, {0, 0, 4400, 3400}) {}

  // Tampilan > "Tampilan 3-D" by mouse.
  TViewForm& OpenView() {
    ChooseMenuItem(menus::View3D.Bar, menus::View3D.Item);
    return View();
  }
  TViewForm& View() {
    auto* view = dynamic_cast<TViewForm*>(form->FindComponent(TViewForm::Name));
    if (!view) throw std::logic_error("the view was never opened");
    return *view;
  }
  TViewPanel& Panel() { return OpenView().Panel(); }

  // A 2 x 2 table of these points, filled by "Randomize" and then typed over cell by cell
  // through the table's own key handler, so that every change is tracked.
  void EnterNet(const std::vector<TVec3>& points, int m = 2, int n = 2) {
    SizeTable(m, n);
    Click(*form->BtnRandom);
    for (std::size_t k = 0; k < points.size(); ++k) {
      for (int axis = 0; axis < 3; ++axis) {
        const int row = static_cast<int>(k) + 1;
        form->SGInput->SetCol(axis + 1);
        form->SGInput->SetRow(row);
        char clear = '\b';
        while (!form->SGInput->Cells(axis + 1, row).empty())
          form->SGInput->OnKeyPress(form->SGInput, clear);
        for (char digit : std::to_string(static_cast<long long>(points[k][axis]))) {
          if (digit == '-') continue;  // no minus can be typed; tests that need one set it
          form->SGInput->OnKeyPress(form->SGInput, digit);
        }
      }
    }
  }

  // A point of the view's drawing area on the screen.
  platform::TPoint OnPanel(const TViewPanel& panel, platform::TPoint p) {
    return panel.ClientToScreen(p);
  }
  platform::TPoint MarkerOnScreen(const TViewPanel& panel, int point) {
    return OnPanel(panel, *MarkerPixel(panel.Camera(), panel.Scene().Net.Points[point]));
  }
  // A drag with the left button from one point of the panel by (dx, dy), in steps.
  void Drag(platform::TPoint from, int dx, int dy, int steps = 4) {
    session.Press(from);
    for (int k = 1; k <= steps; ++k)
      session.MoveMouse({from.X + dx * k / steps, from.Y + dy * k / steps});
    session.Release({from.X + dx, from.Y + dy});
  }
  // Everything pending painted, the view included.
  void Settle(TViewForm& view) {
    app.ProcessMessages();
    platform::UpdateWindow(view.Handle());
  }
  std::array<std::string, 3> Row(int row) {
    return {form->SGInput->Cells(1, row), form->SGInput->Cells(2, row),
            form->SGInput->Cells(3, row)};
  }
};

}  // namespace Bezier::testing
