#pragma once

#include <functional>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Events.h"
#include "framework/classes/Set.h"
#include "framework/controls/BorderStyle.h"
#include "framework/controls/Control.h"

namespace framework {

// Misuse of a grid: a cell index outside the grid, a count or size out of range.
class EInvalidGridOperation : public EInvalidOperation {
 public:
  using EInvalidOperation::EInvalidOperation;
};

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = TSet<TGridOption>;
extern const TEnumType GridOptionType;

inline constexpr TGridOptions DefaultGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine,
                                                 goHorzLine, goRangeSelect};

enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateFlag>;

// A block of cells, corners included.
struct TGridRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Contains(int col, int row) const {
    return col >= Left && col <= Right && row >= Top && row <= Bottom;
  }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

struct TGridCoord {
  int X = 0, Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;

}  // namespace framework
