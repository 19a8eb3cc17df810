#include "app/history/TableStep.h"

#include <algorithm>
#include <utility>

namespace Bezier {

namespace {

const std::string& CellOf(const TTableState& state, std::size_t row, std::size_t col) {
  static const std::string none;
  return row < state.Cells.size() ? state.Cells[row][col] : none;
}

}  // namespace

bool TTableStep::Empty() const {
  return Cells.empty() && RowsBefore == RowsAfter && FieldsBefore == FieldsAfter;
}

std::size_t TTableStep::Bytes() const {
  std::size_t bytes = sizeof(*this);
  for (const TCellChange& c : Cells) bytes += sizeof(c) + c.Before.size() + c.After.size();
  return bytes;
}

TTableStep Difference(const TTableState& before, const TTableState& after) {
  TTableStep step;
  step.FieldsBefore = before.Fields;
  step.FieldsAfter = after.Fields;
  step.RowsBefore = static_cast<int>(before.Cells.size());
  step.RowsAfter = static_cast<int>(after.Cells.size());
  step.SelectedBefore = before.Selected;
  step.SelectedAfter = after.Selected;
  const std::size_t rows = std::max(before.Cells.size(), after.Cells.size());
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::size_t c = 0; c < 4; ++c) {
      const std::string& was = CellOf(before, r, c);
      const std::string& is = CellOf(after, r, c);
      if (was != is) step.Cells.push_back({static_cast<int>(c), static_cast<int>(r), was, is});
    }
  }
  return step;
}

TTableStep Reversed(TTableStep step) {
  std::swap(step.FieldsBefore, step.FieldsAfter);
  std::swap(step.RowsBefore, step.RowsAfter);
  std::swap(step.SelectedBefore, step.SelectedAfter);
  for (TCellChange& c : step.Cells) std::swap(c.Before, c.After);
  return step;
}

}  // namespace Bezier
