#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// What one change of the table did, kept as the cells it touched rather than as whole tables,
// so that a long history of small edits to a large table stays small.
namespace Bezier {

// The table as the history sees it: the count fields, every cell of every row (the four
// columns, header row included) and the selected point's row (-1 for none).
struct TTableState {
  std::array<std::string, 2> Fields;  // m, n
  std::vector<std::array<std::string, 4>> Cells;
  int Selected = -1;
};

struct TCellChange {
  int Col = 0;
  int Row = 0;
  std::string Before;
  std::string After;
};

struct TTableStep {
  std::array<std::string, 2> FieldsBefore;
  std::array<std::string, 2> FieldsAfter;
  int RowsBefore = 0;
  int RowsAfter = 0;
  int SelectedBefore = -1;
  int SelectedAfter = -1;
  std::vector<TCellChange> Cells;

  // No value changed (the selection alone is no step).
  bool Empty() const;
  // About what the step holds in memory.
  std::size_t Bytes() const;
};

// The step from one state to another; a row that exists on one side only counts as empty
// cells on the other.
TTableStep Difference(const TTableState& before, const TTableState& after);
// The step that goes back.
TTableStep Reversed(TTableStep step);

}  // namespace Bezier
