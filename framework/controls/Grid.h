#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/controls/GridAxis.h"
#include "framework/controls/GridTypes.h"
#include "framework/controls/ScrollingControl.h"

namespace framework {

// Rows and columns of cells with fixed header rows and columns, a current cell, a selection
// range and scroll bars that the grid draws itself when the cells do not fit. What a cell
// shows is left to DrawCell; the default drawing fills each cell by its state first.
class TCustomGrid : public TScrollingControl {
 public:
  // Bounds that keep a description from asking for a huge grid.
  static constexpr int MaxColCount = 10000;
  static constexpr int MaxRowCount = 100000;
  static constexpr int MaxCellSize = 10000;
  static constexpr int MaxLineWidth = 100;

  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int ColCount() const { return static_cast<int>(colWidths_.size()); }
  int RowCount() const { return static_cast<int>(rowHeights_.size()); }
  // Counts below 1 become 1; fixed rows or columns shrink to leave one that is not fixed.
  void SetColCount(int count);
  void SetRowCount(int count);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  // Raise EInvalidGridOperation unless below the column (row) count.
  void SetFixedCols(int count);
  void SetFixedRows(int count);

  int DefaultColWidth() const { return defaultColWidth_; }
  int DefaultRowHeight() const { return defaultRowHeight_; }
  // Set every column's width (row's height).
  void SetDefaultColWidth(int width);
  void SetDefaultRowHeight(int height);
  int ColWidths(int col) const;
  int RowHeights(int row) const;
  void SetColWidths(int col, int width);
  void SetRowHeights(int row, int height);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int width);

  // The current cell; setting it asks SelectCell first and scrolls it into view.
  int Col() const { return col_; }
  int Row() const { return row_; }
  void SetCol(int col) { FocusCell(col, row_, false); }
  void SetRow(int row) { FocusCell(col_, row, false); }
  TGridRect Selection() const { return selection_; }
  // The range must lie in the cells that are not fixed; it moves the current cell to its
  // top-left corner.
  void SetSelection(const TGridRect& range);
  int TopRow() const { return topRow_; }
  int LeftCol() const { return leftCol_; }
  void SetTopRow(int row);
  void SetLeftCol(int col);
  // The rows (columns) that are not fixed and show completely.
  int VisibleRowCount() const;
  int VisibleColCount() const;

  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions options);
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool on);
  platform::TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(platform::TColor color);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  // Raises EInvalidGridOperation for a style other than bsNone and bsSingle.
  void SetBorderStyle(TFormBorderStyle style);
  virtual bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool on);

  // The cell under a client point, or nullopt outside every cell shown.
  std::optional<TGridCoord> MouseToCell(int x, int y) const;
  // The part of the client area a cell takes; empty when it is scrolled out of view.
  TRect CellRect(int col, int row) const;
  // Marks one cell for painting.
  void InvalidateCell(int col, int row);
  // The client area the cells use: the client area less the scroll bars.
  TRect GridArea() const;
  std::optional<TClientScrollBar> VerticalScrollBar() const override;
  std::optional<TClientScrollBar> HorizontalScrollBar() const override;

  TSelectCellEvent OnSelectCell;

 protected:
  // Asks OnSelectCell whether the cell may become current.
  virtual bool SelectCell(int col, int row);
  // Draws one cell; the default drawing has filled it and set the canvas colours by state.
  virtual void DrawCell(int col, int row, TRect rect, TGridDrawState state) = 0;
  void Paint() override;
  void WndProc(TMessage& message) override;
  bool WantsKey(std::uint16_t key) const override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  int ScrollPosition(bool vertical) const override;
  void SetScrollPosition(bool vertical, int position) override;
  int ScrollPage(bool vertical) const override;
  // Called after the column or row count changed.
  virtual void SizeChanged(int oldColCount, int oldRowCount);

  // Raises EInvalidGridOperation for a cell outside the grid.
  void CheckCell(int col, int row) const;
  // Makes (col, row) current if SelectCell allows, extending the selection when asked.
  void MoveCurrent(int col, int row, bool extend);

 private:
  void FocusCell(int col, int row, bool extend);
  void UpdateSelection();
  void ScrollIntoView(int col, int row);
  void ClampScroll();
  // The layout along each direction within the cell area.
  grid::Axis ColAxis() const;
  grid::Axis RowAxis() const;
  int HorzLineWidth() const;
  int VertLineWidth() const;
  // Whether each scroll bar is shown, given the client size.
  void ScrollBarsNeeded(bool& vertical, bool& horizontal) const;
  void PaintCells(TCanvas& canvas);
  void PaintFixedEdge(TCanvas& canvas, const TRect& r);
  void PaintLines(TCanvas& canvas, int col, int row, const TRect& cell);
  TGridDrawState StateOf(int col, int row) const;
  void Changed();

  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int gridLineWidth_ = 1;
  int col_ = 1;
  int row_ = 1;
  TGridRect selection_{1, 1, 1, 1};
  TGridCoord anchor_{1, 1};  // the selection's corner that stays while it is extended
  int topRow_ = 1;
  int leftCol_ = 1;
  TGridOptions options_ = DefaultGridOptions;
  bool defaultDrawing_ = true;
  platform::TColor fixedColor_ = platform::clBtnFace;
  TFormBorderStyle borderStyle_ = bsSingle;
  bool ctl3D_ = true;
  bool selecting_ = false;  // dragging a range of cells
};

}  // namespace framework
