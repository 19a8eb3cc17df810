#include "framework/controls/Grid.h"

namespace framework {

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TScrollingControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || TrackingScrollBar()) return;
  const auto cell = MouseToCell(x, y);
  // Fixed cells are headers: clicking one leaves the current cell where it is.
  if (!cell || cell->X < fixedCols_ || cell->Y < fixedRows_) return;
  MoveCurrent(cell->X, cell->Y, shift.Contains(ssShift));
  // A refused cell starts no range either.
  selecting_ = options_.Contains(goRangeSelect) && col_ == cell->X && row_ == cell->Y;
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  TScrollingControl::MouseMove(shift, x, y);
  if (!selecting_) return;
  const auto cell = MouseToCell(x, y);
  if (cell && cell->X >= fixedCols_ && cell->Y >= fixedRows_ &&
      (cell->X != col_ || cell->Y != row_))
    MoveCurrent(cell->X, cell->Y, true);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) selecting_ = false;
  TScrollingControl::MouseUp(button, shift, x, y);
}

int TCustomGrid::ScrollPosition(bool vertical) const {
  return vertical ? topRow_ : leftCol_;
}

void TCustomGrid::SetScrollPosition(bool vertical, int position) {
  if (vertical) {
    SetTopRow(position);
  } else {
    SetLeftCol(position);
  }
}

int TCustomGrid::ScrollPage(bool vertical) const {
  return vertical ? VisibleRowCount() : VisibleColCount();
}

}  // namespace framework
