#include "app/export/TableClipboard.h"

#include "app/export/TableText.h"
#include "framework/controls/StringGrid.h"
#include "framework/runtime/Exceptions.h"

namespace Bezier {

std::string CopiedText(const framework::TStringGrid& grid) {
  const framework::TGridRect s = grid.Selection();
  const bool range = s.Left != s.Right || s.Top != s.Bottom;
  const int first = range ? s.Top : grid.FixedRows();
  const int last = range ? s.Bottom : grid.RowCount() - 1;
  std::vector<TCellTexts> rows;
  rows.reserve(static_cast<std::size_t>(last - first + 1));
  for (int r = first; r <= last; ++r)
    rows.push_back({grid.Cells(1, r), grid.Cells(2, r), grid.Cells(3, r)});
  return TableText(rows);
}

void PasteText(framework::TStringGrid& grid, std::string_view text) {
  const std::vector<TPointValues> points = ParseTableText(text);
  const int first = grid.Selection().Top;
  const int room = grid.RowCount() - first;
  if (static_cast<std::size_t>(room) < points.size())
    throw framework::Exception("Papan klip berisi " + std::to_string(points.size()) +
                               " titik, tetapi tabel hanya punya " + std::to_string(room) +
                               " baris dari baris " + std::to_string(first));
  // Cells that keep their text are left alone, so they are not painted again.
  const auto set = [&](int col, int row, const std::string& text) {
    if (grid.Cells(col, row) != text) grid.SetCells(col, row, text);
  };
  for (std::size_t k = 0; k < points.size(); ++k) {
    const int row = first + static_cast<int>(k);
    if (grid.Cells(0, row).empty()) set(0, row, std::to_string(row));
    for (int axis = 0; axis < 3; ++axis) set(axis + 1, row, std::to_string(points[k][axis]));
  }
}

}  // namespace Bezier
