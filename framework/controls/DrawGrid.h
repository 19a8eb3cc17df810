#pragma once

#include "framework/controls/Grid.h"

namespace framework {

// A grid whose cells the owner draws in OnDrawCell.
class TDrawGrid : public TCustomGrid {
 public:
  using TCustomGrid::TCustomGrid;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TDrawCellEvent OnDrawCell;

 protected:
  void DrawCell(int col, int row, TRect rect, TGridDrawState state) override;
};

}  // namespace framework
