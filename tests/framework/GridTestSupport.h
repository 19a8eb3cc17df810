#pragma once

// A shown form with a string grid laid out like the tool's point table.

#include "framework/controls/StringGrid.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework::testing {

class GridFixture : public FormFixture {
 public:
  GridFixture() {
    grid = Add<TStringGrid>(form, 8, 16, 265, 241);
    grid->SetBorderStyle(bsNone);
    grid->SetColCount(4);
    grid->SetRowCount(4);
  }

  // The screen point at the centre of a cell.
  platform::TPoint CellCentre(int col, int row) const {
    const platform::TRect r = grid->CellRect(col, row);
    return grid->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  void ClickCell(int col, int row) { session.Click(CellCentre(col, row)); }
  std::pair<int, int> Current() const { return {grid->Col(), grid->Row()}; }
  platform::Bitmap Snapshot() {
    platform::UpdateWindow(form->Handle());
    platform::UpdateWindow(grid->Handle());
    return platform::WindowSnapshot(grid->Handle());
  }

  TStringGrid* grid = nullptr;
};

}  // namespace framework::testing
