#include "styled/suiGrid.h"

#include "framework/classes/ClassBuilder.h"

namespace suiGrid {

const framework::TClassInfo& TsuiStringGrid::StaticClassInfo() {
  static const framework::TClassInfo info =
      framework::TClassBuilder<TsuiStringGrid, framework::TStringGrid>("TsuiStringGrid").Build();
  return info;
}

}  // namespace suiGrid
