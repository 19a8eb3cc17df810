#include "styled/suiClasses.h"

#include "styled/suiGrid.h"

namespace suiClasses {

void RegisterStyledClasses(framework::TClassRegistry& classes) {
  classes.Register(suiGrid::TsuiStringGrid::StaticClassInfo());
}

}  // namespace suiClasses
