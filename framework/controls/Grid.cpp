#include "framework/controls/Grid.h"

#include <algorithm>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/ClientEdge.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {
constexpr std::string_view OptionNames[] = {
    "goFixedVertLine", "goFixedHorzLine",     "goVertLine",     "goHorzLine",
    "goRangeSelect",   "goDrawFocusSelected", "goRowSizing",    "goColSizing",
    "goRowMoving",     "goColMoving",         "goEditing",      "goTabs",
    "goRowSelect",     "goAlwaysShowEditor",  "goThumbTracking"};

void CheckRange(int value, int max, const char* what) {
  if (value < 0 || value > max) throw EInvalidGridOperation(Format("Invalid %s %d", {what, value}));
}
}  // namespace

const TEnumType GridOptionType{"TGridOptions", OptionNames};

TCustomGrid::TCustomGrid(TComponent* owner) : TScrollingControl(owner) {
  colWidths_.assign(5, defaultColWidth_);
  rowHeights_.assign(5, defaultRowHeight_);
  SetColor(clWindow);
  SetTabStop(true);
}

TCustomGrid::~TCustomGrid() = default;

const TClassInfo& TCustomGrid::StaticClassInfo() {
  using G = TCustomGrid;
  static const TClassInfo info =
      TClassBuilder<G, TScrollingControl>("TCustomGrid")
          .Enum("BorderStyle", BorderStyleType, &G::BorderStyle, &G::SetBorderStyle, bsSingle)
          .Color("Color", &G::Color, &G::SetColor, clWindow)
          .Int("ColCount", &G::ColCount, &G::SetColCount, 5)
          .Bool("Ctl3D", &G::Ctl3D, &G::SetCtl3D, true)
          .Int("DefaultColWidth", &G::DefaultColWidth, &G::SetDefaultColWidth, 64)
          .Int("DefaultRowHeight", &G::DefaultRowHeight, &G::SetDefaultRowHeight, 24)
          .Bool("DefaultDrawing", &G::DefaultDrawing, &G::SetDefaultDrawing, true)
          .Color("FixedColor", &G::FixedColor, &G::SetFixedColor, clBtnFace)
          .Int("FixedCols", &G::FixedCols, &G::SetFixedCols, 1)
          .Int("RowCount", &G::RowCount, &G::SetRowCount, 5)
          .Int("FixedRows", &G::FixedRows, &G::SetFixedRows, 1)
          .Int("GridLineWidth", &G::GridLineWidth, &G::SetGridLineWidth, 1)
          .Set("Options", GridOptionType, &G::Options, &G::SetOptions, DefaultGridOptions)
          .Bool("ParentColor", &G::ParentColor, &G::SetParentColor, false)
          .Bool("TabStop", &G::TabStop, &G::SetTabStop, true)
          .Event("OnSelectCell", &G::OnSelectCell)
          .Build();
  return info;
}

// ---- counts and sizes ----

void TCustomGrid::SetColCount(int count) {
  CheckRange(count, MaxColCount, "column count");
  count = std::max(count, 1);
  if (count == ColCount()) return;
  const int old = ColCount();
  colWidths_.resize(static_cast<std::size_t>(count), defaultColWidth_);
  fixedCols_ = std::min(fixedCols_, count - 1);
  SizeChanged(old, RowCount());
}

void TCustomGrid::SetRowCount(int count) {
  CheckRange(count, MaxRowCount, "row count");
  count = std::max(count, 1);
  if (count == RowCount()) return;
  const int old = RowCount();
  rowHeights_.resize(static_cast<std::size_t>(count), defaultRowHeight_);
  fixedRows_ = std::min(fixedRows_, count - 1);
  SizeChanged(ColCount(), old);
}

void TCustomGrid::SetFixedCols(int count) {
  if (count < 0 || count >= ColCount())
    throw EInvalidGridOperation("Fixed column count must be less than column count");
  fixedCols_ = count;
  SizeChanged(ColCount(), RowCount());
}

void TCustomGrid::SetFixedRows(int count) {
  if (count < 0 || count >= RowCount())
    throw EInvalidGridOperation("Fixed row count must be less than row count");
  fixedRows_ = count;
  SizeChanged(ColCount(), RowCount());
}

// Keeps the current cell, the selection and the scroll position inside the cells that
// are not fixed after the grid's shape changed.
void TCustomGrid::SizeChanged(int /*oldColCount*/, int /*oldRowCount*/) {
  auto clampCol = [this](int c) { return std::clamp(c, fixedCols_, ColCount() - 1); };
  auto clampRow = [this](int r) { return std::clamp(r, fixedRows_, RowCount() - 1); };
  col_ = clampCol(col_);
  row_ = clampRow(row_);
  anchor_ = {clampCol(anchor_.X), clampRow(anchor_.Y)};
  UpdateSelection();
  leftCol_ = std::max(leftCol_, fixedCols_);
  topRow_ = std::max(topRow_, fixedRows_);
  ClampScroll();
  Changed();
}

void TCustomGrid::SetDefaultColWidth(int width) {
  CheckRange(width, MaxCellSize, "column width");
  defaultColWidth_ = width;
  std::fill(colWidths_.begin(), colWidths_.end(), width);
  ClampScroll();
  Changed();
}

void TCustomGrid::SetDefaultRowHeight(int height) {
  CheckRange(height, MaxCellSize, "row height");
  defaultRowHeight_ = height;
  std::fill(rowHeights_.begin(), rowHeights_.end(), height);
  ClampScroll();
  Changed();
}

int TCustomGrid::ColWidths(int col) const {
  CheckCell(col, 0);
  return colWidths_[static_cast<std::size_t>(col)];
}

int TCustomGrid::RowHeights(int row) const {
  CheckCell(0, row);
  return rowHeights_[static_cast<std::size_t>(row)];
}

void TCustomGrid::SetColWidths(int col, int width) {
  CheckCell(col, 0);
  CheckRange(width, MaxCellSize, "column width");
  colWidths_[static_cast<std::size_t>(col)] = width;
  ClampScroll();
  Changed();
}

void TCustomGrid::SetRowHeights(int row, int height) {
  CheckCell(0, row);
  CheckRange(height, MaxCellSize, "row height");
  rowHeights_[static_cast<std::size_t>(row)] = height;
  ClampScroll();
  Changed();
}

void TCustomGrid::SetGridLineWidth(int width) {
  CheckRange(width, MaxLineWidth, "grid line width");
  gridLineWidth_ = width;
  ClampScroll();
  Changed();
}

void TCustomGrid::SetOptions(TGridOptions options) {
  if (options == options_) return;
  options_ = options;
  if (!options_.Contains(goRangeSelect)) anchor_ = {col_, row_};
  UpdateSelection();
  ClampScroll();
  Changed();
}

void TCustomGrid::SetDefaultDrawing(bool on) {
  defaultDrawing_ = on;
  Changed();
}

void TCustomGrid::SetFixedColor(TColor color) {
  fixedColor_ = color;
  Changed();
}

void TCustomGrid::SetBorderStyle(TFormBorderStyle style) {
  if (style != bsNone && style != bsSingle)
    throw EInvalidGridOperation("A grid's border style is bsNone or bsSingle");
  if (style == borderStyle_) return;
  borderStyle_ = style;
  ClientEdgeChanged(*this);
  ClampScroll();
  Changed();
}

void TCustomGrid::SetCtl3D(bool on) {
  if (on == ctl3D_) return;
  ctl3D_ = on;
  ClientEdgeChanged(*this);
  ClampScroll();
  Changed();
}

void TCustomGrid::Changed() {
  Invalidate();
}

void TCustomGrid::InvalidateCell(int col, int row) {
  if (!HandleAllocated()) return;
  if (const TRect r = CellRect(col, row); !r.IsEmpty()) InvalidateRect(Handle(), &r, false);
}

void TCustomGrid::WndProc(TMessage& m) {
  // The grid paints every pixel of its client area, so erasing first would only flash.
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return;
  }
  TScrollingControl::WndProc(m);
  HandleClientEdge(*this, m, borderStyle_, Ctl3D());
  if (m.Msg == WM_SIZE) ClampScroll();
  if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) Invalidate();
}

// ---- current cell and selection ----

void TCustomGrid::CheckCell(int col, int row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
    throw EInvalidGridOperation("Grid index out of range");
}

bool TCustomGrid::SelectCell(int col, int row) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, col, row, canSelect);
  return canSelect;
}

void TCustomGrid::FocusCell(int col, int row, bool extend) {
  CheckCell(col, row);
  if (col < fixedCols_ || row < fixedRows_)
    throw EInvalidGridOperation("Cannot make a fixed cell current");
  MoveCurrent(col, row, extend);
}

void TCustomGrid::MoveCurrent(int col, int row, bool extend) {
  col = std::clamp(col, fixedCols_, ColCount() - 1);
  row = std::clamp(row, fixedRows_, RowCount() - 1);
  if (!SelectCell(col, row)) return;
  col_ = col;
  row_ = row;
  if (!extend || !options_.Contains(goRangeSelect)) anchor_ = {col, row};
  UpdateSelection();
  ScrollIntoView(col, row);
  Changed();
}

void TCustomGrid::UpdateSelection() {
  selection_ = {std::min(anchor_.X, col_), std::min(anchor_.Y, row_), std::max(anchor_.X, col_),
                std::max(anchor_.Y, row_)};
  if (options_.Contains(goRowSelect)) {
    selection_.Left = fixedCols_;
    selection_.Right = ColCount() - 1;
  }
}

void TCustomGrid::SetSelection(const TGridRect& range) {
  CheckCell(range.Left, range.Top);
  CheckCell(range.Right, range.Bottom);
  if (range.Left < fixedCols_ || range.Top < fixedRows_ || range.Left > range.Right ||
      range.Top > range.Bottom)
    throw EInvalidGridOperation("Invalid grid selection");
  anchor_ = {range.Right, range.Bottom};
  col_ = range.Left;
  row_ = range.Top;
  UpdateSelection();
  ScrollIntoView(col_, row_);
  Changed();
}

}  // namespace framework
