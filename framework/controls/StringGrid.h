#pragma once

#include <string>
#include <vector>

#include "framework/controls/DrawGrid.h"

namespace framework {

// A grid of text cells. Each cell shows its text at (left + 2, top + 2), clipped to the
// cell, before OnDrawCell runs.
class TStringGrid : public TDrawGrid {
 public:
  using TDrawGrid::TDrawGrid;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Cells[ACol][ARow]; EInvalidGridOperation outside the grid.
  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& text);
  // The texts of a column (row), every cell of it; setting one fills it from the start and
  // empties the cells that the list does not reach.
  std::vector<std::string> Cols(int col) const;
  std::vector<std::string> Rows(int row) const;
  void SetCols(int col, const std::vector<std::string>& texts);
  void SetRows(int row, const std::vector<std::string>& texts);

 protected:
  void DrawCell(int col, int row, TRect rect, TGridDrawState state) override;
  void SizeChanged(int oldColCount, int oldRowCount) override;

 private:
  // By row, then column; a row holds only as many cells as have been written.
  std::vector<std::vector<std::string>> cells_;
};

}  // namespace framework
