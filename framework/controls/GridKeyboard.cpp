#include "framework/controls/Grid.h"

#include "platform/window/Messages.h"

namespace framework {

using namespace platform;

bool TCustomGrid::WantsKey(std::uint16_t key) const {
  if (key == VK_TAB) return options_.Contains(goTabs);
  return (key >= VK_LEFT && key <= VK_DOWN) || TScrollingControl::WantsKey(key);
}

void TCustomGrid::KeyDown(std::uint16_t& key, TShiftState shift) {
  TScrollingControl::KeyDown(key, shift);
  const bool ctrl = shift.Contains(ssCtrl);
  const int firstCol = fixedCols_;
  const int lastCol = ColCount() - 1;
  const int firstRow = fixedRows_;
  const int lastRow = RowCount() - 1;
  int col = col_;
  int row = row_;
  switch (key) {
    case VK_UP:
      --row;
      break;
    case VK_DOWN:
      ++row;
      break;
    case VK_LEFT:
      --col;
      break;
    case VK_RIGHT:
      ++col;
      break;
    case VK_PRIOR:
      row -= VisibleRowCount();
      break;
    case VK_NEXT:
      row += VisibleRowCount();
      break;
    case VK_HOME:
      col = firstCol;
      if (ctrl) row = firstRow;
      break;
    case VK_END:
      col = lastCol;
      if (ctrl) row = lastRow;
      break;
    case VK_TAB:
      if (!options_.Contains(goTabs) || shift.Contains(ssAlt)) return;
      // Through the row, then on to the next (previous) row, wrapping round the grid.
      col += shift.Contains(ssShift) ? -1 : 1;
      if (col > lastCol) {
        col = firstCol;
        row = row < lastRow ? row + 1 : firstRow;
      } else if (col < firstCol) {
        col = lastCol;
        row = row > firstRow ? row - 1 : lastRow;
      }
      MoveCurrent(col, row, false);
      return;
    default:
      return;
  }
  MoveCurrent(col, row, shift.Contains(ssShift));
}

}  // namespace framework
