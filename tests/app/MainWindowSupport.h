#pragma once

// The tool's real main window on a headless desktop, with the helpers the tests drive it by.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/Bezier.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/controls/Image.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PaintBox.h"
#include "framework/controls/Panel.h"
#include "framework/forms/Application.h"
#include "framework/forms/FileDialogs.h"
#include "framework/forms/Menus.h"
#include "platform/headless/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/controls/sGauge.h"
#include "styled/suiGrid.h"
#include "tests/app/TempFolder.h"

namespace Bezier::testing {

using platform::DialogRecord;

// Every blend of the pipeline, per channel: floor(k x a / 256) + b - floor(k x b / 256).
inline platform::TColor Mix(unsigned k, platform::TColor a, platform::TColor b) {
  platform::TColor mixed = 0;
  for (const int shift : {0, 8, 16}) {
    const unsigned ac = (a >> shift) & 0xFF;
    const unsigned bc = (b >> shift) & 0xFF;
    mixed |= (k * ac / 256 + bc - k * bc / 256) << shift;
  }
  return mixed;
}

class MainWindow : public ::testing::Test {
 protected:
  // A scale above 1 stands for a HiDPI screen of workArea device pixels.
  explicit MainWindow(int scale = 1, platform::TRect workArea = {0, 0, 1280, 1024})
      : session(workArea, scale) {
    resources::RegisterEmbeddedResources();
    form = app.CreateForm<TForm1>();
    form->ShowForm();
  }

  platform::HeadlessBackend& Backend() { return session.Backend(); }

  platform::TPoint Centre(const framework::TControl& control) const {
    return control.ClientToScreen({control.Width() / 2, control.Height() / 2});
  }
  void Click(const framework::TControl& control) { session.Click(Centre(control)); }
  // The screen position of a table cell's centre.
  platform::TPoint CellCentre(int col, int row) const {
    const auto* grid = form->SGInput;
    const int x = col * (grid->DefaultColWidth() + 1) + grid->DefaultColWidth() / 2;
    const int y = row * (grid->DefaultRowHeight() + 1) + grid->DefaultRowHeight() / 2;
    return grid->ClientToScreen({x, y});
  }
  void ClickCell(int col, int row) { session.Click(CellCentre(col, row)); }
  // The window given, or the main window when none is.
  platform::HWND Or(platform::HWND window) const {
    return window != platform::NullWindow ? window : form->Handle();
  }
  // A menu item's centre on the screen: of the bar, or of an open drop-down.
  platform::TPoint ItemCentre(platform::HMENU menu, int index, platform::HWND window = {}) const {
    const platform::TRect r = platform::GetMenuItemRect(Or(window), menu, index);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  platform::HMENU DropDown(int barIndex, platform::HWND window = {}) const {
    return platform::GetMenuItemInfo(platform::GetMenu(Or(window)), barIndex)->SubMenu;
  }
  // Chooses a command by mouse, the bar item at barIndex, then the item of its drop-down, and
  // lets it run; of the main window, or of the window given.
  void ChooseMenuItem(int barIndex, int itemIndex, platform::HWND window = {}) {
    session.Click(ItemCentre(platform::GetMenu(Or(window)), barIndex, window));
    session.Click(ItemCentre(DropDown(barIndex, window), itemIndex, window));
    app.ProcessMessages();  // the chosen command comes as a posted message
  }

  // Types into a count field and leaves it with Tab, which runs its exit check.
  void EnterCount(sEdit::TsEdit& field, const std::string& text) {
    Click(field);
    field.SetText("");
    session.TypeText(text);
    session.PressKey(platform::VK_TAB);
  }
  // m and n typed, left, and the table sized by "Nilai (M x N)".
  void SizeTable(int m, int n) {
    EnterCount(*form->EdM, std::to_string(m));
    EnterCount(*form->EdN, std::to_string(n));
    Click(*form->BtMxN);
  }
  // The table's X, Y and Z cells, row after row.
  void FillTable(const std::vector<std::vector<std::string>>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < 3; ++c) {
        form->SGInput->SetCells(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
      }
    }
  }

  // Message boxes shown so far, as (caption, text).
  std::vector<std::pair<std::string, std::string>> Messages() {
    std::vector<std::pair<std::string, std::string>> boxes;
    for (const DialogRecord& d : Backend().Dialogs()) {
      if (d.IsMessageBox) boxes.emplace_back(d.Box.Caption, d.Box.Text);
    }
    return boxes;
  }
  std::size_t MessageCount() { return Messages().size(); }

  // The drawing area as the screen shows it, offset-free: pixel (x, y) of the paint box.
  platform::TColor AreaPixel(int x, int y) { return Snapshot(*form->Panel).Pixel(x + 1, y + 1); }
  // A window as the screen shows it once everything pending is painted and let go.
  platform::Bitmap Snapshot(framework::TWinControl& control) {
    platform::UpdateWindow(form->Handle());
    framework::FreeDeviceContexts();
    return platform::WindowSnapshot(control.Handle());
  }
  // The picture kept by the image.
  const platform::Bitmap& Picture() { return form->Image->Picture()->Bitmap()->Data(); }

  platform::HeadlessSession session;
  framework::TApplication app;
  TForm1* form = nullptr;
  tempfiles::TempFolder folder;
};

}  // namespace Bezier::testing
