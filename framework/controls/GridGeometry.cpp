#include "framework/controls/Grid.h"

#include <algorithm>

#include "platform/window/Metrics.h"

namespace framework {

using namespace platform;

int TCustomGrid::HorzLineWidth() const {
  return options_.Contains(goHorzLine) || options_.Contains(goFixedHorzLine) ? gridLineWidth_ : 0;
}

int TCustomGrid::VertLineWidth() const {
  return options_.Contains(goVertLine) || options_.Contains(goFixedVertLine) ? gridLineWidth_ : 0;
}

grid::Axis TCustomGrid::ColAxis() const {
  return {colWidths_, fixedCols_, leftCol_, VertLineWidth(), GridArea().Width()};
}

grid::Axis TCustomGrid::RowAxis() const {
  return {rowHeights_, fixedRows_, topRow_, HorzLineWidth(), GridArea().Height()};
}

void TCustomGrid::ScrollBarsNeeded(bool& vertical, bool& horizontal) const {
  const TRect client = ClientRect();
  const grid::Axis cols{colWidths_, fixedCols_, fixedCols_, VertLineWidth(), client.Width()};
  const grid::Axis rows{rowHeights_, fixedRows_, fixedRows_, HorzLineWidth(), client.Height()};
  const long long width = cols.ScrolledExtent() - VertLineWidth();
  const long long height = rows.ScrolledExtent() - HorzLineWidth();
  const int roomX = client.Width() - cols.FixedExtent();
  const int roomY = client.Height() - rows.FixedExtent();
  vertical = horizontal = false;
  // Each bar takes room from the other direction, so a second pass settles the pair.
  for (int pass = 0; pass < 2; ++pass) {
    vertical = height > roomY - (horizontal ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    horizontal = width > roomX - (vertical ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  }
}

TRect TCustomGrid::GridArea() const {
  bool vertical = false;
  bool horizontal = false;
  ScrollBarsNeeded(vertical, horizontal);
  TRect area = ClientRect();
  if (vertical) area.Right = std::max(area.Left, area.Right - GetSystemMetrics(SM_CXVSCROLL));
  if (horizontal) area.Bottom = std::max(area.Top, area.Bottom - GetSystemMetrics(SM_CYHSCROLL));
  return area;
}

std::optional<TClientScrollBar> TCustomGrid::VerticalScrollBar() const {
  bool vertical = false;
  bool horizontal = false;
  ScrollBarsNeeded(vertical, horizontal);
  if (!vertical) return std::nullopt;
  const TRect area = GridArea();
  const grid::Axis rows = RowAxis();
  return TClientScrollBar(true, {area.Right, area.Top, ClientRect().Right, area.Bottom}, fixedRows_,
                          rows.MaxFirst(), topRow_, rows.FullyVisible());
}

std::optional<TClientScrollBar> TCustomGrid::HorizontalScrollBar() const {
  bool vertical = false;
  bool horizontal = false;
  ScrollBarsNeeded(vertical, horizontal);
  if (!horizontal) return std::nullopt;
  const TRect area = GridArea();
  const grid::Axis cols = ColAxis();
  return TClientScrollBar(false, {area.Left, area.Bottom, area.Right, ClientRect().Bottom},
                          fixedCols_, cols.MaxFirst(), leftCol_, cols.FullyVisible());
}

TRect TCustomGrid::CellRect(int col, int row) const {
  const grid::Axis cols = ColAxis();
  const grid::Axis rows = RowAxis();
  const auto x = cols.Start(col);
  const auto y = rows.Start(row);
  if (!x || !y) return {};
  const TRect cell{*x, *y, *x + cols.Size(col), *y + rows.Size(row)};
  return cell.Intersect(GridArea());
}

std::optional<TGridCoord> TCustomGrid::MouseToCell(int x, int y) const {
  const auto col = ColAxis().IndexAt(x);
  const auto row = RowAxis().IndexAt(y);
  if (!col || !row) return std::nullopt;
  return TGridCoord{*col, *row};
}

int TCustomGrid::VisibleRowCount() const {
  return RowAxis().FullyVisible();
}

int TCustomGrid::VisibleColCount() const {
  return ColAxis().FullyVisible();
}

void TCustomGrid::SetTopRow(int row) {
  const int top = std::clamp(row, fixedRows_, RowAxis().MaxFirst());
  if (top == topRow_) return;
  topRow_ = top;
  Changed();
}

void TCustomGrid::SetLeftCol(int col) {
  const int left = std::clamp(col, fixedCols_, ColAxis().MaxFirst());
  if (left == leftCol_) return;
  leftCol_ = left;
  Changed();
}

void TCustomGrid::ClampScroll() {
  SetTopRow(topRow_);
  SetLeftCol(leftCol_);
}

void TCustomGrid::ScrollIntoView(int col, int row) {
  SetTopRow(RowAxis().FirstShowing(row));
  SetLeftCol(ColAxis().FirstShowing(col));
}

}  // namespace framework
