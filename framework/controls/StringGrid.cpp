#include "framework/controls/StringGrid.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"

namespace framework {

const TClassInfo& TStringGrid::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TStringGrid, TDrawGrid>("TStringGrid").Build();
  return info;
}

std::string TStringGrid::Cells(int col, int row) const {
  CheckCell(col, row);
  const auto r = static_cast<std::size_t>(row);
  const auto c = static_cast<std::size_t>(col);
  if (r >= cells_.size() || c >= cells_[r].size()) return {};
  return cells_[r][c];
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
  CheckCell(col, row);
  const auto r = static_cast<std::size_t>(row);
  const auto c = static_cast<std::size_t>(col);
  if (r >= cells_.size()) {
    if (text.empty()) return;
    cells_.resize(r + 1);
  }
  auto& line = cells_[r];
  if (c >= line.size()) {
    if (text.empty()) return;
    line.resize(c + 1);
  }
  if (line[c] == text) return;
  line[c] = text;
  InvalidateCell(col, row);
}

std::vector<std::string> TStringGrid::Cols(int col) const {
  CheckCell(col, 0);
  std::vector<std::string> texts;
  for (int row = 0; row < RowCount(); ++row) texts.push_back(Cells(col, row));
  return texts;
}

std::vector<std::string> TStringGrid::Rows(int row) const {
  CheckCell(0, row);
  std::vector<std::string> texts;
  for (int col = 0; col < ColCount(); ++col) texts.push_back(Cells(col, row));
  return texts;
}

void TStringGrid::SetCols(int col, const std::vector<std::string>& texts) {
  CheckCell(col, 0);
  for (int row = 0; row < RowCount(); ++row)
    SetCells(col, row, static_cast<std::size_t>(row) < texts.size() ? texts[row] : std::string());
}

void TStringGrid::SetRows(int row, const std::vector<std::string>& texts) {
  CheckCell(0, row);
  for (int col = 0; col < ColCount(); ++col)
    SetCells(col, row, static_cast<std::size_t>(col) < texts.size() ? texts[col] : std::string());
}

void TStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
  // Cells that fall outside the grid are gone; growing it again shows them empty.
  if (cells_.size() > static_cast<std::size_t>(RowCount()))
    cells_.resize(static_cast<std::size_t>(RowCount()));
  for (auto& line : cells_)
    if (line.size() > static_cast<std::size_t>(ColCount()))
      line.resize(static_cast<std::size_t>(ColCount()));
  TDrawGrid::SizeChanged(oldColCount, oldRowCount);
}

void TStringGrid::DrawCell(int col, int row, TRect rect, TGridDrawState state) {
  if (DefaultDrawing()) Canvas()->TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
  TDrawGrid::DrawCell(col, row, rect, state);
}

}  // namespace framework
