#pragma once

#include <string>
#include <string_view>

namespace framework {
class TStringGrid;
}

// The control-point table to and from the clipboard's text (TableText).
namespace Bezier {

// The X, Y and Z texts of the rows the selection spans when it is more than one cell, or of
// every row of the table when it is a single cell, as TableText writes them.
std::string CopiedText(const framework::TStringGrid& grid);

// Puts the points of the text into the rows from the selection's top row on: their X, Y and Z
// cells, and the row number where a row has none yet (as File > Open writes it). Text that is
// no table of points, or has more points than those rows, raises framework::Exception with
// the message before any cell changes.
void PasteText(framework::TStringGrid& grid, std::string_view text);

}  // namespace Bezier
