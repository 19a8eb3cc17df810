#include "framework/controls/DrawGrid.h"

#include "framework/classes/ClassBuilder.h"

namespace framework {

const TClassInfo& TDrawGrid::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TDrawGrid, TCustomGrid>("TDrawGrid")
                                     .Event("OnDrawCell", &TDrawGrid::OnDrawCell)
                                     .Build();
  return info;
}

void TDrawGrid::DrawCell(int col, int row, TRect rect, TGridDrawState state) {
  if (OnDrawCell) OnDrawCell(this, col, row, rect, state);
}

}  // namespace framework
