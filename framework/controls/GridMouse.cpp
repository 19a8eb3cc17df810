#include "framework/controls/Grid.h"

namespace framework {

using Part = TGridScrollBar::Part;

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || ScrollBarMouseDown({x, y})) return;
  const auto cell = MouseToCell(x, y);
  // Fixed cells are headers: clicking one leaves the current cell where it is.
  if (!cell || cell->X < fixedCols_ || cell->Y < fixedRows_) return;
  MoveCurrent(cell->X, cell->Y, shift.Contains(ssShift));
  // A refused cell starts no range either.
  selecting_ = options_.Contains(goRangeSelect) && col_ == cell->X && row_ == cell->Y;
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (trackingBarVertical_ && trackingPart_ == Part::Thumb) {
    const auto bar = *trackingBarVertical_ ? VerticalScrollBar() : HorizontalScrollBar();
    if (bar) SetScrollPosition(bar->Vertical(), bar->PositionAt(bar->Along({x, y}) - thumbGrab_));
    return;
  }
  if (!selecting_) return;
  const auto cell = MouseToCell(x, y);
  if (cell && cell->X >= fixedCols_ && cell->Y >= fixedRows_ &&
      (cell->X != col_ || cell->Y != row_))
    MoveCurrent(cell->X, cell->Y, true);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    selecting_ = false;
    if (trackingBarVertical_) Changed();
    trackingBarVertical_.reset();
    trackingPart_ = Part::None;
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

// A press on a scroll bar scrolls at once; on the thumb it starts a drag.
bool TCustomGrid::ScrollBarMouseDown(TPoint p) {
  for (const auto& bar : {VerticalScrollBar(), HorizontalScrollBar()}) {
    if (!bar || !bar->Bounds().Contains(p)) continue;
    const Part part = bar->HitTest(p);
    trackingBarVertical_ = bar->Vertical();
    trackingPart_ = part;
    const TRect thumb = bar->ThumbRect();
    thumbGrab_ = bar->Along(p) - (bar->Vertical() ? thumb.Top : thumb.Left);
    ScrollBarAction(*bar, part);
    return true;
  }
  return false;
}

void TCustomGrid::ScrollBarAction(const TGridScrollBar& bar, Part part) {
  const bool vertical = bar.Vertical();
  const int position = vertical ? topRow_ : leftCol_;
  const int page = vertical ? VisibleRowCount() : VisibleColCount();
  switch (part) {
    case Part::LineBack:
      SetScrollPosition(vertical, position - 1);
      break;
    case Part::LineForward:
      SetScrollPosition(vertical, position + 1);
      break;
    case Part::PageBack:
      SetScrollPosition(vertical, position - page);
      break;
    case Part::PageForward:
      SetScrollPosition(vertical, position + page);
      break;
    case Part::Thumb:
    case Part::None:
      Changed();  // shows the pressed part
      break;
  }
}

void TCustomGrid::SetScrollPosition(bool vertical, int position) {
  if (vertical) {
    SetTopRow(position);
  } else {
    SetLeftCol(position);
  }
}

}  // namespace framework
