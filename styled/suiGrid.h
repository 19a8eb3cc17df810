#pragma once

#include "framework/controls/StringGrid.h"

namespace suiGrid {

// The styling kit's string grid. For now it is the framework's string grid under the kit's
// class name; it streams as that grid does.
class TsuiStringGrid : public framework::TStringGrid {
 public:
  using TStringGrid::TStringGrid;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace suiGrid
