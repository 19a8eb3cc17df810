#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace framework {
class TStringGrid;
}

// The control-point table to and from the clipboard's text (TableText).
namespace Bezier {

// One cell's text before and after a change: a paste is a list of them, which a history can
// keep as one step and undo by putting every Before back.
struct TCellChange {
  int Col = 0;
  int Row = 0;
  std::string Before;
  std::string After;
  friend bool operator==(const TCellChange&, const TCellChange&) = default;
};

// The X, Y and Z texts of the rows the selection spans when it is more than one cell, or of
// every row of the table when it is a single cell, as TableText writes them.
std::string CopiedText(const framework::TStringGrid& grid);

// The changes that put the points of the text into the rows from the selection's top row on:
// their X, Y and Z cells, and the row number where a row has none yet (as File > Open writes
// it). Text that is no table of points, or has more points than those rows, raises
// framework::Exception with the message; nothing is changed here.
std::vector<TCellChange> PasteChanges(const framework::TStringGrid& grid, std::string_view text);
void ApplyChanges(framework::TStringGrid& grid, const std::vector<TCellChange>& changes);

}  // namespace Bezier
