#include "framework/controls/Grid.h"

#include <algorithm>

namespace framework {

using namespace platform;

namespace {
constexpr TColor FixedLineColor = clBlack;
constexpr TColor LineColor = clSilver;

void Fill(TCanvas& canvas, const TRect& r, TColor color) {
  if (r.IsEmpty()) return;
  canvas.Brush()->SetColor(color);
  canvas.FillRect(r);
}
}  // namespace

TGridDrawState TCustomGrid::StateOf(int col, int row) const {
  if (col < fixedCols_ || row < fixedRows_) return {gdFixed};
  TGridDrawState state;
  if (selection_.Contains(col, row)) state.Include(gdSelected);
  if (col == col_ && row == row_ && Focused()) state.Include(gdFocused);
  return state;
}

void TCustomGrid::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect area = GridArea();
  // What the cells leave uncovered, right of the last column and below the last row.
  Fill(canvas, area, Color());
  PaintCells(canvas);
  PaintScrollBars(canvas);
}

void TCustomGrid::PaintCells(TCanvas& canvas) {
  const grid::Axis cols = ColAxis();
  const grid::Axis rows = RowAxis();
  const TRect area = GridArea();
  for (int row = 0; row < RowCount(); ++row) {
    const auto y = rows.Start(row);
    if (!y) continue;
    for (int col = 0; col < ColCount(); ++col) {
      const auto x = cols.Start(col);
      if (!x) continue;
      const TRect cell{*x, *y, *x + cols.Size(col), *y + rows.Size(row)};
      const TRect shown = cell.Intersect(area);
      const TGridDrawState state = StateOf(col, row);
      PaintLines(canvas, col, row, cell);
      if (shown.IsEmpty()) continue;
      if (defaultDrawing_) {
        const bool fixed = state.Contains(gdFixed);
        const bool highlight =
            state.Contains(gdSelected) &&
            (!state.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
             options_.Contains(goRowSelect));
        canvas.Brush()->SetColor(fixed ? fixedColor_ : highlight ? clHighlight : Color());
        canvas.Font()->SetColor(highlight ? clHighlightText : Font()->Color());
        canvas.FillRect(shown);
      }
      DrawCell(col, row, shown, state);
      if (defaultDrawing_ && state.Contains(gdFixed) && ctl3D_) PaintFixedEdge(canvas, shown);
      // The current cell of a focused grid, unless whole rows are selected.
      if (defaultDrawing_ && state.Contains(gdFocused) && !options_.Contains(goRowSelect))
        canvas.DrawFocusRect(shown);
    }
  }
}

// A raised edge inside a fixed cell.
void TCustomGrid::PaintFixedEdge(TCanvas& canvas, const TRect& r) {
  if (r.Width() < 2 || r.Height() < 2) return;
  Fill(canvas, {r.Left, r.Top, r.Right - 1, r.Top + 1}, clBtnHighlight);
  Fill(canvas, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, clBtnHighlight);
  Fill(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, clBtnShadow);
  Fill(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, clBtnShadow);
}

// The lines right of and below a cell: black round fixed cells, silver between the others,
// the cell's own background where the options leave them out.
void TCustomGrid::PaintLines(TCanvas& canvas, int col, int row, const TRect& cell) {
  const bool fixed = col < fixedCols_ || row < fixedRows_;
  const TRect area = GridArea();
  const TColor background = fixed ? fixedColor_ : Color();
  const bool vert = options_.Contains(fixed ? goFixedVertLine : goVertLine);
  const bool horz = options_.Contains(fixed ? goFixedHorzLine : goHorzLine);
  const TColor line = fixed ? FixedLineColor : LineColor;
  const int vw = VertLineWidth();
  const int hw = HorzLineWidth();
  Fill(canvas, TRect{cell.Right, cell.Top, cell.Right + vw, cell.Bottom + hw}.Intersect(area),
       vert ? line : background);
  Fill(canvas, TRect{cell.Left, cell.Bottom, cell.Right, cell.Bottom + hw}.Intersect(area),
       horz ? line : background);
}

}  // namespace framework
